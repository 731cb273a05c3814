#include "courses.h"

#include <algorithm>
#include <cctype>

#include "services.h"
#include "text.h"
#include "textfile.h"

namespace core {
namespace {

// Rows of three lines; a short last row has empty second text or address.
std::vector<CourseRow> Rows(const std::vector<std::string>& lines, std::size_t first, std::size_t end) {
  end = std::min({end, lines.size(), first + kCourseListLines});
  std::vector<CourseRow> rows;
  for (std::size_t i = first; i < end; i += 3) {
    CourseRow row;
    row.first = lines[i];
    if (i + 1 < end) row.second = lines[i + 1];
    if (i + 2 < end) row.address = lines[i + 2];
    int code = 0;
    if (row.first.size() >= 2 && std::isdigit(static_cast<unsigned char>(row.first[0])) &&
        std::isdigit(static_cast<unsigned char>(row.first[1])) && ParseInt(row.first.substr(0, 2), code))
      row.family = code;
    row.name = TrimBlanks(row.first.size() > 2 ? row.first.substr(2) : std::string());
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

CourseLists ParseCourses(const std::vector<std::string>& raw, std::string* problem) {
  std::vector<std::string> lines;
  for (const std::string& l : raw) lines.push_back(TrimBlanks(l));
  CourseLists lists;
  int k = 0;
  if (lines.empty() || !ParseInt(lines[0], k) || k < 2) {
    if (problem) *problem = Utf8ToCp1252("la primera línea debe ser el número de la línea donde empieza la segunda lista");
    return lists;
  }
  std::size_t startB = std::min(static_cast<std::size_t>(k - 1), lines.size());
  lists.a = Rows(lines, 1, startB);
  lists.b = Rows(lines, startB, lines.size());
  return lists;
}

CourseLists ReadCourses(const std::string& path) {
  auto lines = ReadLines(path);
  if (!lines) {
    ShowMessage(MissingFileMessage(path));
    return {};
  }
  std::string problem;
  CourseLists lists = ParseCourses(*lines, &problem);
  if (!problem.empty()) ShowMessage(BadFileMessage(path, 1, problem));
  return lists;
}

int FamilyIconIndex(int code, int& lastIcon) {
  static constexpr int kIcons[27] = {-1, 31, 2,  1,  32, 9,  3,  28, 33, 34, 0,  18, 37, 36,
                                     19, 7,  12, 35, 38, 39, 21, 16, 40, 14, 41, 8,  42};
  if (code >= 1 && code <= 26) lastIcon = kIcons[code];
  return lastIcon;
}

}  // namespace core
