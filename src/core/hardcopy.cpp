#include "hardcopy.h"

#include <cmath>

#include "globals.h"
#include "settings.h"
#include "store.h"
#include "text.h"
#include "texttable.h"

namespace core {
namespace {

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }  // ties to even

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

void ClearAfter(TextList& buffer, int n) {
  for (int i = std::max(n + 1, 1); i <= buffer.capacity(); ++i) buffer.Set(i, "");
}

const std::string& Slot(const TextList& buffer, int i) {
  static const std::string empty;
  return (i >= 0 && i <= buffer.capacity()) ? buffer[i] : empty;
}

}  // namespace

bool IsBoldLine(int j) {
  const auto& bold = S().BoldLines;
  int c = std::clamp(bold[0], 0, 200);
  for (int k = 1; k <= c; ++k)
    if (bold[static_cast<std::size_t>(k)] == j) return true;
  return false;
}

void ClearBoldLines() { S().BoldLines[0] = 0; }

void AddBoldLine(int j) {
  auto& bold = S().BoldLines;
  if (bold[0] < 200) bold[static_cast<std::size_t>(++bold[0])] = j;
}

void Printer::PrinterInit(int cols, int rows, double unit) {
  width_ = target_.PageWidth();
  height_ = target_.PageHeight();
  resX_ = target_.ResolutionX();
  resY_ = target_.ResolutionY();
  cols_ = std::max(cols, 1);
  rows_ = std::max(rows, 1);
  pixelsPerUnitX_ = resX_ / unit;
  pixelsPerUnitY_ = resY_ / unit;
  x_ = y_ = 0;
}

void Printer::MoveToInches(double x, double y) {
  x_ = RoundEven(x * pixelsPerUnitX_);
  y_ = RoundEven(y * pixelsPerUnitY_);
}

void Printer::MoveToCell(double col, double row) {
  x_ = RoundEven(col * width_ / cols_);
  y_ = RoundEven(row * height_ / rows_);
}

PixelRect Printer::RectInches(double x1, double y1, double x2, double y2) const {
  return {RoundEven(x1 * pixelsPerUnitX_), RoundEven(y1 * pixelsPerUnitY_), RoundEven(x2 * pixelsPerUnitX_),
          RoundEven(y2 * pixelsPerUnitY_)};
}

void Printer::RectangleInches(double x1, double y1, double x2, double y2) {
  PixelRect r = RectInches(x1, y1, x2, y2);
  x_ = r.x1;
  y_ = r.y1;
  target_.DrawRectangle(r.x1, r.y1, r.x2, r.y2);
}

void Printer::EllipseInches(double x1, double y1, double x2, double y2) {
  PixelRect r = RectInches(x1, y1, x2, y2);
  x_ = r.x1;
  y_ = r.y1;
  target_.DrawEllipse(r.x1, r.y1, r.x2, r.y2);
}

void Printer::PrintText(const std::string& text) {
  if (!text.empty()) target_.DrawText(x_, y_, text);
}

void Printer::PrintTextCentred(const std::string& text) {
  if (!text.empty()) target_.DrawText(x_ - target_.TextWidth(text) / 2, y_, text);
}

void Printer::PrintTextRight(const std::string& text) {
  if (!text.empty()) target_.DrawText(x_ - target_.TextWidth(text), y_, text);
}

void Printer::PrintBitmap(const PixelRect& rect, const std::string& imageName) {
  target_.DrawImage(rect.x1, rect.y1, rect.x2, rect.y2, imageName);
}

namespace {

// Steps shared by both headers: frame, logo, course label and year.
void HeaderFrame(Printer& p, double right, double h) {
  const double L = kHeaderLeft, T = kHeaderTop;
  p.target().SetBold(true);
  p.RectangleInches(L, T, right, T + h);
  p.PrintBitmap(p.RectInches(L + 0.1, T + 0.03, L + 0.45, T + 0.58), "chica.bmp");
  p.target().SetBrushWhite();
  p.target().SetFontSize(10);
  p.MoveToInches(right - 0.05, T + 0.1);
  p.PrintTextRight(Txt(175));
  p.MoveToInches(right - 0.05, T + 0.4);
  p.PrintTextRight(kCourseYear);
}

}  // namespace

void PrintPageHeader(Printer& p, const std::string& title, const std::string& subtitle, double h) {
  const double L = kHeaderLeft, T = kHeaderTop, R = kHeaderRightPortrait;
  HeaderFrame(p, R, h);
  p.target().SetFontSize(12);
  p.MoveToInches((L + R) / 2, T + 0.1);
  p.PrintTextCentred(title);
  p.target().SetFontSize(12);
  p.MoveToInches(L + 0.5, T + 0.4);
  p.PrintText(TrimBlanks(subtitle));
}

void PrintPageHeaderWide(Printer& p, const std::string& title, const std::string& subtitle, int page, double h) {
  const double L = kHeaderLeft, T = kHeaderTop, R = kHeaderRightLandscape;
  HeaderFrame(p, R, h);
  p.EllipseInches(R + 0.2, T, R + h + 0.2, T + h);
  p.target().SetFontSize(16);
  p.MoveToInches(R + 0.5, T + 0.2);
  if (page != 0) p.PrintText(std::to_string(page));
  p.target().SetFontSize(12);
  p.MoveToInches((L + R) / 2, T + 0.1);
  p.PrintTextCentred(title);
  p.target().SetFontSize(11);
  p.MoveToInches(L + 0.5, T + 0.4);
  p.PrintText(subtitle);
}

void PrintList(PrintTarget& target, TextList& buffer, int n, bool fixedPitch, int fontSize) {
  n = std::clamp(n, 0, buffer.capacity());
  ClearAfter(buffer, n);
  const int linesPerPage = fontSize == 12 ? 50 : 70;
  const std::string title = G().CentreName;
  const std::string subtitle = buffer[0];
  if (!target.BeginDocument(kPrintJobTitle, false)) return;
  target.SetFontName(fixedPitch ? "Courier New" : "Arial");
  Printer p(target);
  p.PrinterInit(50, linesPerPage + 8, 1.0);
  PrintPageHeader(p, title, subtitle, kHeaderHeight);
  int i = 0;
  for (int j = 1; j <= n; ++j) {
    target.SetFontSize(fontSize);
    target.SetBold(IsBoldLine(j));
    p.MoveToCell(5, i + 6);
    p.PrintText(buffer[j]);
    ++i;
    // A page holds linesPerPage + 1 lines; no empty page after the last line.
    if (i > linesPerPage && j < n) {
      target.NewPage();
      i = 0;
    }
  }
  target.EndDocument();
  ClearBoldLines();
}

void PrintColumns(PrintTarget& target, TextList& buffer, int n, bool fixedPitch) {
  n = std::clamp(n, 0, buffer.capacity());
  if (n <= 74) {
    PrintList(target, buffer, n, true, 10);
    return;
  }
  ClearAfter(buffer, n);
  const std::string title = G().CentreName;
  const std::string subtitle = buffer[0];
  const bool single = n <= 150;
  const int gridCols = fixedPitch ? 150 : 130;
  const int width = fixedPitch ? 50 : 40;
  const int left = fixedPitch ? 0 : 2;
  int rowsPerColumn = 0, pages = 1, page = 0;
  if (single) {
    rowsPerColumn = CeilDiv(n, 3);
  } else if (fixedPitch) {
    pages = CeilDiv(n, 150);
    rowsPerColumn = 50;
    page = 1;
  } else {
    int columnsNeeded = CeilDiv(n, 50);
    rowsPerColumn = CeilDiv(n, columnsNeeded);
    pages = CeilDiv(columnsNeeded, 3);
    page = 1;
  }
  if (!target.BeginDocument(kPrintJobTitle, true)) return;
  target.SetFontName(fixedPitch ? "Courier New" : "Arial");
  target.SetFontSize(8);
  Printer p(target);
  p.PrinterInit(gridCols, rowsPerColumn + 8, 1.0);
  PrintPageHeaderWide(p, title, subtitle, page, kHeaderHeight);
  const int columnX[3] = {left + 2, width + 2 * left, 2 * width + 3 * left};
  for (;;) {
    int first = single ? 1 : (page - 1) * rowsPerColumn * 3 + 1;
    for (int r = 1; r <= rowsPerColumn; ++r) {
      for (int c = 0; c < 3; ++c) {
        int line = first + r - 1 + c * rowsPerColumn;
        target.SetFontSize(8);
        target.SetBold(IsBoldLine(line));
        p.MoveToCell(columnX[c], r + 5);
        p.PrintText(TrimRightSpaces(Slot(buffer, line)));
      }
    }
    if (single || page == pages) break;
    ++page;
    target.NewPage();
    PrintPageHeaderWide(p, title, subtitle, page, kHeaderHeight);
  }
  target.EndDocument();
  ClearBoldLines();
}

}  // namespace core
