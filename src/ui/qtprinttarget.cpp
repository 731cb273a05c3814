#include "ui/qtprinttarget.h"

#include <QFontMetrics>
#include <QPageLayout>

#include "core/store.h"
#include "ui/codec.h"
#include "ui/images.h"
#include "ui/platform.h"

namespace ui {

bool QtPrintTarget::BeginDocument(const std::string& jobTitle, bool landscape) {
  printer_.setDocName(Q(jobTitle));
  printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer_.setFullPage(true);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    P().Message("Lo siento. No puedo imprimir.");
    return false;
  }
  painter_->setPen(QPen(Qt::black, std::max(1, printer_.resolution() / 100)));
  painter_->setBrush(Qt::NoBrush);
  ApplyFont();
  return true;
}

void QtPrintTarget::NewPage() {
  if (painter_) printer_.newPage();
}

void QtPrintTarget::EndDocument() {
  if (painter_) painter_->end();
  painter_.reset();
}

int QtPrintTarget::PageWidth() { return printer_.width(); }
int QtPrintTarget::PageHeight() { return printer_.height(); }
int QtPrintTarget::ResolutionX() { return printer_.logicalDpiX(); }
int QtPrintTarget::ResolutionY() { return printer_.logicalDpiY(); }

void QtPrintTarget::ApplyFont() {
  if (painter_) painter_->setFont(font_);
}

void QtPrintTarget::SetFontName(const std::string& family) {
  font_.setFamily(QString::fromStdString(family));
  font_.setStyleHint(family == "Courier New" ? QFont::TypeWriter : QFont::SansSerif);
  ApplyFont();
}

void QtPrintTarget::SetFontSize(int points) {
  font_.setPointSize(points);
  ApplyFont();
}

void QtPrintTarget::SetBold(bool bold) {
  font_.setBold(bold);
  ApplyFont();
}

void QtPrintTarget::SetBrushWhite() {
  if (painter_) painter_->setBrush(Qt::white);
}

int QtPrintTarget::TextWidth(const std::string& text) {
  QFontMetrics metrics(font_, &printer_);
  return metrics.horizontalAdvance(Q(text));
}

void QtPrintTarget::DrawText(int x, int y, const std::string& text) {
  if (!painter_) return;
  QFontMetrics metrics(font_, &printer_);
  painter_->drawText(x, y + metrics.ascent(), Q(text));
}

void QtPrintTarget::DrawRectangle(int x1, int y1, int x2, int y2) {
  if (painter_) painter_->drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)));
}

void QtPrintTarget::DrawEllipse(int x1, int y1, int x2, int y2) {
  if (painter_) painter_->drawEllipse(QRect(QPoint(x1, y1), QPoint(x2, y2)));
}

void QtPrintTarget::DrawImage(int x1, int y1, int x2, int y2, const std::string& imageName) {
  const QImage& image = SharedImage(imageName);
  if (painter_ && !image.isNull()) painter_->drawImage(QRect(QPoint(x1, y1), QPoint(x2, y2)), image);
}

bool PrintReport(ReportLayout layout, int n, bool fixedPitch, int fontSize) {
  QPrinter printer(QPrinter::HighResolution);
  if (!P().PrintDialog(printer)) return false;
  QtPrintTarget target(printer);
  core::Store& s = core::S();
  if (layout == ReportLayout::List) core::PrintList(target, s.ReportLines, n, fixedPitch, fontSize);
  else core::PrintColumns(target, s.ReportLines, n, fixedPitch);
  return true;
}

}  // namespace ui
