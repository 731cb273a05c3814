// The specialisation courses of vocational training shown by the main menu's
// courses panel: two lists read from the language file "cursespe".
#pragma once

#include <string>
#include <vector>

namespace core {

inline constexpr int kCourseListLines = 100;  // lines per list (33 courses)

struct CourseRow {
  std::string first;    // trimmed first line: family code + name
  std::string second;   // shown in the second column
  std::string address;  // opened on click
  int family = 0;       // the two-digit code, 0 when absent
  std::string name;     // the first line without its code
};

struct CourseLists {
  std::vector<CourseRow> a, b;  // after a Grado Superior, after a Grado Medio
};

// Line 1 is K, the line where list B starts; lines 2..K-1 are list A, lines
// K.. list B, three lines per course. Lines are trimmed; a list longer than
// 100 lines keeps its first 100; a K that is not a number leaves both lists
// empty. (problem, when given, receives what was wrong.)
CourseLists ParseCourses(const std::vector<std::string>& lines, std::string* problem = nullptr);

// Reads "cursespe"; a missing or malformed file shows a message naming it and
// leaves the lists empty.
CourseLists ReadCourses(const std::string& path);

// Icon of a family code in the family icon list. A code without an icon of
// its own gets the icon of the last code that had one (lastIcon keeps it).
int FamilyIconIndex(int code, int& lastIcon);

}  // namespace core
