// Printing: primitives that place text and shapes in inches or on a grid of
// cells over an abstract print target, and the two report builders every
// printed report goes through.
#pragma once

#include <string>

#include "tables.h"

namespace core {

// What a printer must be able to do. Coordinates are device pixels.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  virtual bool BeginDocument(const std::string& jobTitle, bool landscape) = 0;
  virtual void NewPage() = 0;
  virtual void EndDocument() = 0;
  virtual int PageWidth() = 0;   // device pixels
  virtual int PageHeight() = 0;
  virtual int ResolutionX() = 0; // pixels per inch
  virtual int ResolutionY() = 0;
  virtual void SetFontName(const std::string& family) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetBold(bool bold) = 0;
  virtual void SetBrushWhite() = 0;
  virtual int TextWidth(const std::string& text) = 0;
  // Text (Windows-1252) with its top-left corner at (x, y).
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  virtual void DrawRectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void DrawEllipse(int x1, int y1, int x2, int y2) = 0;
  // Stretches a shared image into the rectangle.
  virtual void DrawImage(int x1, int y1, int x2, int y2, const std::string& imageName) = 0;
};

struct PixelRect {
  int x1, y1, x2, y2;
};

// The printer state from PrinterInit to the end of the document.
class Printer {
 public:
  explicit Printer(PrintTarget& target) : target_(target) {}
  PrintTarget& target() { return target_; }

  void PrinterInit(int cols, int rows, double unit);
  void MoveToInches(double x, double y);
  void MoveToCell(double col, double row);
  PixelRect RectInches(double x1, double y1, double x2, double y2) const;
  void RectangleInches(double x1, double y1, double x2, double y2);
  void EllipseInches(double x1, double y1, double x2, double y2);
  void PrintText(const std::string& text);
  void PrintTextCentred(const std::string& text);
  void PrintTextRight(const std::string& text);
  void PrintBitmap(const PixelRect& rect, const std::string& imageName);

  int cursorX() const { return x_; }
  int cursorY() const { return y_; }

 private:
  PrintTarget& target_;
  int width_ = 0, height_ = 0, resX_ = 0, resY_ = 0;
  int cols_ = 1, rows_ = 1;
  double pixelsPerUnitX_ = 0, pixelsPerUnitY_ = 0;
  int x_ = 0, y_ = 0;
};

// Header frame constants, inches.
inline constexpr double kHeaderLeft = 0.5;
inline constexpr double kHeaderTop = 0.1;
inline constexpr double kHeaderHeight = 0.7;
inline constexpr double kHeaderRightPortrait = 7.3;
inline constexpr double kHeaderRightLandscape = 10.2;
inline constexpr const char* kPrintJobTitle = "el Trazora";

void PrintPageHeader(Printer& p, const std::string& title, const std::string& subtitle, double h);
void PrintPageHeaderWide(Printer& p, const std::string& title, const std::string& subtitle, int page, double h);

// One-column portrait report of lines 1..n of the buffer.
void PrintList(PrintTarget& target, TextList& buffer, int n, bool fixedPitch, int fontSize);
// Three-column landscape report; short reports fall back to PrintList.
void PrintColumns(PrintTarget& target, TextList& buffer, int n, bool fixedPitch);

// Whether line j is to be printed in bold (BoldLines of the store).
bool IsBoldLine(int j);
void ClearBoldLines();
void AddBoldLine(int j);

}  // namespace core
