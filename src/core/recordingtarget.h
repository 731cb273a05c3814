// A print target that remembers what was printed, page by page; used by the
// tests and by the benchmark of the report builders.
#pragma once

#include <string>
#include <vector>

#include "hardcopy.h"

namespace core {

struct PrintedText {
  int page;  // from 1
  int x, y;
  std::string text;
  std::string font;
  int size;
  bool bold;
};

struct PrintedShape {
  int page;
  char kind;  // 'R' rectangle, 'E' ellipse, 'I' image
  int x1, y1, x2, y2;
  std::string image;
};

class RecordingTarget : public PrintTarget {
 public:
  // An A4 page at 600 dots per inch by default.
  RecordingTarget(int resolution = 600) : res_(resolution) {}

  bool BeginDocument(const std::string& jobTitle, bool landscape) override;
  void NewPage() override { ++pages; }
  void EndDocument() override { ++documents; }
  int PageWidth() override { return landscape ? longSide() : shortSide(); }
  int PageHeight() override { return landscape ? shortSide() : longSide(); }
  int ResolutionX() override { return res_; }
  int ResolutionY() override { return res_; }
  void SetFontName(const std::string& family) override { font_ = family; }
  void SetFontSize(int points) override { size_ = points; }
  void SetBold(bool bold) override { bold_ = bold; }
  void SetBrushWhite() override {}
  int TextWidth(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawRectangle(int x1, int y1, int x2, int y2) override;
  void DrawEllipse(int x1, int y1, int x2, int y2) override;
  void DrawImage(int x1, int y1, int x2, int y2, const std::string& imageName) override;

  // Texts of one page, in printing order.
  std::vector<PrintedText> TextsOn(int page) const;
  bool Printed(const std::string& text) const;

  std::string jobTitle;
  bool landscape = false;
  int pages = 0;
  int documents = 0;
  bool refuseToStart = false;
  std::vector<PrintedText> texts;
  std::vector<PrintedShape> shapes;

 private:
  int shortSide() const { return res_ * 827 / 100; }
  int longSide() const { return res_ * 1169 / 100; }
  int res_;
  std::string font_ = "Arial";
  int size_ = 10;
  bool bold_ = false;
};

}  // namespace core
