// Checks of the region and area names that go with the three maps: comunida,
// comarcas, comarcasm.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "checks.h"
#include "core/text.h"
#include "core/textfile.h"
#include "provinces.h"

namespace validate {
namespace {

constexpr int kRegions = 19;
constexpr int kComarques = 41;
constexpr int kZones = 28;

bool TwoDigits(const std::string& line, int& value) {
  return line.size() >= 2 && std::isdigit(static_cast<unsigned char>(line[0])) &&
         std::isdigit(static_cast<unsigned char>(line[1])) && core::ParseInt(line.substr(0, 2), value);
}

// Regions 1-19 give their first province; the provinces after them name their
// region, and each region's provinces run from its first to the next one's.
// The screens look for a region's centres in the place file of its first
// province only, so all its provinces must lie in that file.
void Regions(Checker& c) {
  const std::string file = "comunida";
  auto lines = c.Lines(file);
  if (!lines) return;
  c.AtMostLines(file, *lines, 1100);
  if (lines->size() < kRegions + 1) {
    c.Report(file, 0, "fewer than the 19 regions and their provinces");
    return;
  }
  const int provinces = static_cast<int>(lines->size()) - kRegions;
  if (provinces > kProvinceTable) c.Report(file, kRegions + kProvinceTable + 1, "more provinces than the province table holds");
  std::vector<int> first(kRegions + 2, provinces + 1);
  for (int r = 1; r <= kRegions; ++r) {
    int p = 0;
    if (!TwoDigits((*lines)[r - 1], p) || p < 1 || p > provinces) {
      c.Report(file, r, "columns 1-2 must be the number of the region's first province (1 to " +
                            std::to_string(provinces) + ")");
      return;
    }
    first[r] = p;
    if (r > 1 && p <= first[r - 1]) c.Report(file, r, "first provinces must increase from region to region");
  }
  for (int r = 1; r <= kRegions; ++r) {
    std::set<int> digits;
    for (int p = first[r]; p < first[r + 1] && p <= std::min(provinces, kProvinceTable); ++p) digits.insert(ProvinceDigit(p));
    if (digits.size() > 1) {
      std::string files;
      for (int d : digits) files += (files.empty() ? "lu" : ", lu") + std::to_string(d);
      c.Report(file, r, "the provinces of region " + std::to_string(r) + " lie in " + files +
                            ": the centre lists read only the place file of its first province");
    }
  }
  for (int p = 1; p <= provinces; ++p) {
    const int line = kRegions + p;
    int region = 0;
    if (!TwoDigits((*lines)[line - 1], region) || region < 1 || region > kRegions) {
      c.Report(file, line, "columns 1-2 must be the number of the province's region (01 to 19)");
      continue;
    }
    if (p < first[region] || p >= first[region + 1])
      c.Report(file, line, "province " + std::to_string(p) + " lies outside the provinces of its region " +
                               std::to_string(region));
  }
  c.AtMostWidth(file, *lines, 55);
}

std::string LetterList(const std::set<char>& letters) {
  std::string list;
  for (char l : letters) list += (list.empty() ? "" : ", ") + std::string(1, l);
  return list;
}

// A sub-map code is the place record's column 1 followed by its column 45, so
// it must start with the letter of one of the sub-map's province entries.
bool LetterOfEntries(Checker& c, const std::string& file, int line, const std::string& code,
                     const std::set<char>& letters, const char* what) {
  if (letters.empty() || code.empty() || letters.count(code[0])) return true;
  c.Report(file, line, "code \"" + core::Cp1252ToUtf8(code) + "\" does not start with the letter of a " + what +
                           " province entry (" + LetterList(letters) + ")");
  return false;
}

std::set<char> Letters(Checker& c, const SubMap& m) {
  auto comunida = core::ReadLines(c.dir() + "comunida");
  return comunida ? SubMapLetters(*comunida, m) : std::set<char>{};
}

void Comarques(Checker& c) {
  const std::string file = "comarcas";
  auto lines = c.Lines(file);
  if (!lines) return;
  const std::set<char> letters = Letters(c, kCatalonia);
  char barcelones = 0;  // the letter of comarca 37, which the districts share
  if (lines->size() > 60) c.Report(file, 61, "more than the 60 names the table holds");
  std::set<int> numbers;
  std::set<std::string> codes;
  for (int i = 1; i <= static_cast<int>(lines->size()); ++i) {
    const std::string& line = (*lines)[i - 1];
    std::string code = core::Columns(line, 1, 2);
    if (code.size() != 2 || !codes.insert(code).second) c.Report(file, i, "the code (columns 1-2) is missing or repeated");
    else if (LetterOfEntries(c, file, i, code, letters, "Catalan") && i > kComarques && barcelones &&
             code[0] != barcelones)
      c.Report(file, i, "a district of Barcelona whose code does not start with the letter of the Barcelonès (" +
                            std::string(1, barcelones) + ")");
    if (i > kComarques) continue;
    int n = 0;
    if (!TwoDigits(line.substr(std::min<std::size_t>(2, line.size())), n) || n < 1 || n > kComarques ||
        !numbers.insert(n).second)
      c.Report(file, i, "columns 3-4 must be a sub-region number 01 to 41 used once");
    else if (n == 37 && code.size() == 2)
      barcelones = code[0];
  }
  if (lines->size() < kComarques) c.Report(file, 0, "fewer than 41 sub-regions");
}

void Zones(Checker& c) {
  const std::string file = "comarcasm";
  auto lines = c.Lines(file);
  if (!lines) return;
  c.AtMostLines(file, *lines, 100);
  const std::set<char> letters = Letters(c, kMadrid);
  std::map<int, int> linesOfZone;
  for (int i = 1; i <= static_cast<int>(lines->size()); ++i) {
    const std::string& line = (*lines)[i - 1];
    int z = 0;
    if (!TwoDigits(line.substr(std::min<std::size_t>(2, line.size())), z) || z < 1 || z > kZones) {
      c.Report(file, i, "columns 3-4 must be a zone number 01 to 28");
      continue;
    }
    if (++linesOfZone[z] > 3) c.Report(file, i, "zone " + std::to_string(z) + " has more than three lines");
    LetterOfEntries(c, file, i, core::Columns(line, 1, 2), letters, "Madrid");
  }
  for (int z = 1; z <= kZones; ++z)
    if (!linesOfZone.count(z)) c.Report(file, 0, "zone " + std::to_string(z) + " has no line");
}

}  // namespace

void CheckGeography(Checker& c) {
  Regions(c);
  Comarques(c);
  Zones(c);
}

}  // namespace validate
