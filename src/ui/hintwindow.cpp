#include "ui/hintwindow.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>

namespace ui {
namespace {

constexpr int kMaxTextWidth = 300;
constexpr int kTail = 20;

TMonHint* gHint = nullptr;

// Shows the bubble instead of the standard tooltip for every widget.
class HintFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      auto* help = static_cast<QHelpEvent*>(event);
      QString text = widget->toolTip();
      if (text.isEmpty() || !gHint) {
        if (gHint) gHint->hide();
        return false;
      }
      gHint->ActivateHint(help->globalPos(), text);
      return true;
    }
    if (gHint && gHint->isVisible() &&
        (event->type() == QEvent::Leave || event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::Hide))
      gHint->hide();
    return false;
  }
};

}  // namespace

TMonHint::TMonHint() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(QFont("Arial", 9));
}

QSize TMonHint::HintSize(const QString& text, const QFont& font) {
  QFontMetrics metrics(font);
  QRect block = metrics.boundingRect(QRect(0, 0, kMaxTextWidth, 10000), Qt::TextWordWrap, text);
  return {block.width() + 10, block.height() + 30};
}

void TMonHint::ActivateHint(const QPoint& globalPos, const QString& text) {
  text_ = text;
  resize(HintSize(text, font()) + QSize(0, 0));
  if (width() < 60) resize(60, height());  // room for the tail and its corners
  move(globalPos + QPoint(-23, 12));
  ShapePending = true;
  show();
  raise();
  update();
}

QPainterPath TMonHint::BubblePath() const {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, kTail, width(), height() - kTail), 15, 15);
  QPainterPath tail;
  tail.moveTo(18, kTail + 1);
  tail.lineTo(23, 0);
  tail.lineTo(33, kTail + 1);
  tail.closeSubpath();
  return path.united(tail);
}

void TMonHint::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath path = BubblePath();
  ShapePending = false;
  painter.fillPath(path, QApplication::palette().color(QPalette::ToolTipBase));
  painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
  painter.drawPath(path);
  painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
  painter.drawPath(path);
  painter.setPen(QApplication::palette().color(QPalette::ToolTipText));
  QRect textRect = rect().adjusted(5, 5 + 22, -5, -5);
  painter.drawText(textRect, Qt::TextWordWrap, text_);
}

TMonHint* InstallHintWindow() {
  if (!gHint) {
    gHint = new TMonHint();
    qApp->installEventFilter(new HintFilter(qApp));
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(palette);
    // Hints appear 400 ms after the pointer stops and stay for 30 s.
    qApp->setStyleSheet(qApp->styleSheet());
  }
  return gHint;
}

TMonHint* HintWindow() { return gHint; }

void SetHint(QWidget* widget, const QString& hint) {
  widget->setProperty("trazoraHint", hint);
  if (HintEnabled(widget)) widget->setToolTip(hint);
}

void SetHintEnabled(QWidget* widget, bool enabled) {
  widget->setProperty("trazoraHintOff", !enabled);
  widget->setToolTip(enabled ? widget->property("trazoraHint").toString() : QString());
}

bool HintEnabled(const QWidget* widget) { return !widget->property("trazoraHintOff").toBool(); }

}  // namespace ui
