// Small widgets the screens are built from: the fixed-size screen, labels
// that report clicks and pointer moves, and an image widget with a canvas.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>

namespace ui {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 720;

// A 1024 x 720 screen of the program.
class Screen : public QWidget {
  Q_OBJECT
 public:
  explicit Screen(QWidget* parent = nullptr);
  // Centres the screen on another one (or on the desktop when there is none).
  void CentreOn(QWidget* other);
  // Close handler: return false to cancel the close.
  std::function<bool()> onCloseQuery;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// A label with click and hover callbacks.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }
  std::function<void()> onClick;
  std::function<void()> onMouseMove;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
};

// An image with its own canvas, painted from a QImage the screen draws into.
class ImageView : public QWidget {
  Q_OBJECT
 public:
  explicit ImageView(QWidget* parent = nullptr) : QWidget(parent) { setMouseTracking(true); }
  QImage canvas;
  std::function<void(QPoint)> onMouseMove;
  std::function<void(QPoint)> onMouseUp;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

void SetColours(QWidget* widget, const QColor& text, const QColor& background, bool opaque = true);
void SetTextColour(QWidget* widget, const QColor& text);

}  // namespace ui
