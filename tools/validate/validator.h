// Checks a data folder against the layout rules, cross references and
// capacities the program relies on, so a fault in the data is found before a
// student meets it. Plain C++: the tests call it directly.
#pragma once

#include <string>
#include <vector>

namespace validate {

struct Problem {
  std::string file;  // relative to the data folder, e.g. "cas/textos"
  int line = 0;      // 0 when the problem is the file as a whole
  std::string text;  // UTF-8
};

// Every problem found in the folder (with its trailing '/'), in file order.
std::vector<Problem> ValidateFolder(const std::string& dataDir);

// "file:line: problem" (or "file: problem" for line 0).
std::string Format(const Problem& problem);

}  // namespace validate
