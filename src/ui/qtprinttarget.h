// The print target over a QPrinter (a real printer, or a PDF file chosen in
// the print dialog).
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "core/hardcopy.h"

namespace ui {

class QtPrintTarget : public core::PrintTarget {
 public:
  explicit QtPrintTarget(QPrinter& printer) : printer_(printer) {}
  bool BeginDocument(const std::string& jobTitle, bool landscape) override;
  void NewPage() override;
  void EndDocument() override;
  int PageWidth() override;
  int PageHeight() override;
  int ResolutionX() override;
  int ResolutionY() override;
  void SetFontName(const std::string& family) override;
  void SetFontSize(int points) override;
  void SetBold(bool bold) override;
  void SetBrushWhite() override;
  int TextWidth(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawRectangle(int x1, int y1, int x2, int y2) override;
  void DrawEllipse(int x1, int y1, int x2, int y2) override;
  void DrawImage(int x1, int y1, int x2, int y2, const std::string& imageName) override;

 private:
  void ApplyFont();
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  QFont font_{"Arial", 10};
};

// Shows the print dialog and, unless cancelled, prints lines 1..n of the
// store's report buffer in one column (PrintList) or three (PrintColumns).
enum class ReportLayout { List, Columns };
bool PrintReport(ReportLayout layout, int n, bool fixedPitch, int fontSize = 10);

}  // namespace ui
