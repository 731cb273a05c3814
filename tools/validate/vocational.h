// The checks of the vocational files, shared between vocational.cpp (titles,
// blocks, families, relation rows) and vocational_places.cpp (place files and
// place lists).
#pragma once

#include <string>
#include <vector>

#include "checker.h"

namespace validate::vocational {

// What the other checks need to know of a title file (fp, fp2, fpba): which
// lines are family headers. Empty when the file is missing.
struct TitleLines {
  bool present = false;
  std::vector<bool> header;  // header[n - 1]: line n is a family header
  int Headers() const;
  bool IsTitle(int n) const { return n >= 1 && n <= static_cast<int>(header.size()) && !header[n - 1]; }
};

// Number of lines of a file, or -1 when it is missing (not reported here).
int LineCount(Checker& c, const std::string& file);

void CheckPlaces(Checker& c, const TitleLines& gs, const TitleLines& gm, const TitleLines& fpb);

}  // namespace validate::vocational
