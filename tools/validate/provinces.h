// The program's province table, shared by the checks of comunida and of the
// place files: entry p (record 19 + p of comunida) is found in place file
// lu<digit> under a letter.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace validate {

inline constexpr int kProvinceTable = 64;
inline constexpr const char* kProvinceCodes[kProvinceTable] = {
    "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
    "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
    "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
    "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32"};

inline int ProvinceDigit(int p) { return kProvinceCodes[p - 1][0] - '0'; }
inline char ProvinceLetter(int p) { return kProvinceCodes[p - 1][1]; }

// The two sub-maps: Catalonia (region 9) in lu4 from the first "5" record to
// the end, Madrid (region 13) in lu2 from the first "8" record to the record
// before the first "D". The screens rewrite "A" (lu4) to "5" and "H" (lu2) to
// "8" first, so a code never starts with the rewritten letter.
struct SubMap {
  int region;
  int digit;
  char letter;     // the letter that opens the range
  char rewritten;  // the letter the screens turn into `letter`
  char end;        // the letter that closes the range (0: the end of the file)
};
inline constexpr SubMap kCatalonia{9, 4, '5', 'A', 0};
inline constexpr SubMap kMadrid{13, 2, '8', 'H', 'D'};

// The letters of the sub-map's entries in its place file, from comunida
// (regions in records 1-19, columns 1-2 the first entry; the entries of region
// r run up to the one before the first of region r + 1). Empty when comunida
// does not give them.
inline std::set<char> SubMapLetters(const std::vector<std::string>& comunida, const SubMap& m) {
  std::set<char> letters;
  if (comunida.size() < 20) return letters;
  const int entries = std::min(static_cast<int>(comunida.size()) - 19, kProvinceTable);
  auto firstOf = [&](int r) {
    if (r > 19) return entries + 1;
    const std::string& line = comunida[static_cast<std::size_t>(r - 1)];
    if (line.size() < 2 || line[0] < '0' || line[0] > '9' || line[1] < '0' || line[1] > '9') return -1;
    return (line[0] - '0') * 10 + (line[1] - '0');
  };
  const int from = firstOf(m.region), to = firstOf(m.region + 1);
  if (from < 1 || to < from) return letters;
  for (int p = from; p < to && p <= entries; ++p)
    if (ProvinceDigit(p) == m.digit && ProvinceLetter(p) != m.rewritten) letters.insert(ProvinceLetter(p));
  return letters;
}

}  // namespace validate
