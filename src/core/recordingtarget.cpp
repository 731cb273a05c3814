#include "recordingtarget.h"

namespace core {

bool RecordingTarget::BeginDocument(const std::string& title, bool isLandscape) {
  if (refuseToStart) return false;
  jobTitle = title;
  landscape = isLandscape;
  pages = 1;
  texts.clear();
  shapes.clear();
  return true;
}

// A fixed advance of half the font size per character is enough for layout tests.
int RecordingTarget::TextWidth(const std::string& text) {
  return static_cast<int>(text.size()) * size_ * res_ / 144;
}

void RecordingTarget::DrawText(int x, int y, const std::string& text) {
  texts.push_back({pages, x, y, text, font_, size_, bold_});
}

void RecordingTarget::DrawRectangle(int x1, int y1, int x2, int y2) { shapes.push_back({pages, 'R', x1, y1, x2, y2, {}}); }
void RecordingTarget::DrawEllipse(int x1, int y1, int x2, int y2) { shapes.push_back({pages, 'E', x1, y1, x2, y2, {}}); }
void RecordingTarget::DrawImage(int x1, int y1, int x2, int y2, const std::string& imageName) {
  shapes.push_back({pages, 'I', x1, y1, x2, y2, imageName});
}

std::vector<PrintedText> RecordingTarget::TextsOn(int page) const {
  std::vector<PrintedText> out;
  for (const auto& t : texts)
    if (t.page == page) out.push_back(t);
  return out;
}

bool RecordingTarget::Printed(const std::string& text) const {
  for (const auto& t : texts)
    if (t.text == text) return true;
  return false;
}

}  // namespace core
