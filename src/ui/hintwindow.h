// TMonHint: every hint of the program is drawn as a speech bubble with its
// tail pointing up at the pointer.
#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

class TMonHint : public QWidget {
  Q_OBJECT
 public:
  TMonHint();
  // Size for a text: the wrapped text block for 300 pixels, 10 wider, 30 taller.
  static QSize HintSize(const QString& text, const QFont& font);
  void ActivateHint(const QPoint& globalPos, const QString& text);
  QString text() const { return text_; }
  bool ShapePending = false;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPainterPath BubblePath() const;
  QString text_;
};

// Installs the bubble as the program's hint window and returns it.
TMonHint* InstallHintWindow();
TMonHint* HintWindow();

// Hint texts of a widget that can be switched off and on again.
void SetHint(QWidget* widget, const QString& hint);
void SetHintEnabled(QWidget* widget, bool enabled);
bool HintEnabled(const QWidget* widget);

}  // namespace ui
