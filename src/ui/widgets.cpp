#include "ui/widgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace ui {

Screen::Screen(QWidget* parent) : QWidget(parent) {
  setFixedSize(kScreenWidth, kScreenHeight);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void Screen::CentreOn(QWidget* other) {
  QRect area = other && other != this ? other->geometry()
                                      : (QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                                          : QRect(0, 0, kScreenWidth, kScreenHeight));
  move(area.center() - QPoint(width() / 2, height() / 2));
}

void Screen::closeEvent(QCloseEvent* event) {
  if (onCloseQuery && !onCloseQuery()) event->ignore();
  else event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
  QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) onMouseMove();
  QLabel::mouseMoveEvent(event);
}

void ClickLabel::enterEvent(QEnterEvent* event) {
  if (onMouseMove) onMouseMove();
  QLabel::enterEvent(event);
}

void ImageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!canvas.isNull()) painter.drawImage(0, 0, canvas);
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) onMouseMove(event->position().toPoint());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseUp) onMouseUp(event->position().toPoint());
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background, bool opaque) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Button, background);
  widget->setPalette(palette);
  widget->setAutoFillBackground(opaque);
}

void SetTextColour(QWidget* widget, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::ButtonText, text);
  widget->setPalette(palette);
}

}  // namespace ui
