// Checks of the place files lu1..lu4 (with the Catalonia and Madrid sub-map
// codes the screens derive from them) and of the place lists datluggsphp,
// datluggmphp and datlugbasphp.
#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "core/text.h"
#include "core/textfile.h"
#include "vocational.h"

namespace validate::vocational {
namespace {

// Province p -> place file digit and letter (the program's province table).
constexpr const char* kProvinceCodes[64] = {
    "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
    "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
    "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
    "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32"};
// Provinces whose towns the screens key by 35 characters instead of 17.
constexpr const char* kLongTownKeys[] = {"1J", "2H", "2G", "3G", "3E", "41", "45", "4A"};
constexpr int kFirstProvinceRecord = 20;  // of comunida
constexpr std::size_t kPlaces = 1100, kTitlesPerPlace = 25, kRecordWidth = 60, kCodeColumn = 45;

using Records = std::array<std::vector<std::string>, 4>;

// Letters that name a province in place file d (1-4), for the provinces of comunida.
std::set<char> ProvinceLetters(Checker& c, int digit) {
  int provinces = LineCount(c, "comunida") - (kFirstProvinceRecord - 1);
  if (provinces <= 0 || provinces > 64) provinces = 52;
  std::set<char> letters;
  for (int p = 1; p <= provinces; ++p)
    if (kProvinceCodes[p - 1][0] - '0' == digit) letters.insert(kProvinceCodes[p - 1][1]);
  return letters;
}

// The two-character codes in columns 1-2 of a geography file (nothing when missing).
std::set<std::string> Codes(Checker& c, const std::string& file) {
  std::set<std::string> codes;
  for (const std::string& line : core::ReadLines(c.dir() + file).value_or(std::vector<std::string>{}))
    if (line.size() >= 2) codes.insert(line.substr(0, 2));
  return codes;
}

std::string Utf8Code(char letter, char code) { return core::Cp1252ToUtf8(std::string{letter, code}); }

char At(const std::string& record, std::size_t column) { return column <= record.size() ? record[column - 1] : ' '; }

// The sub-map range the screens derive: the records from the first whose
// column 1 is `letter` (after `rewritten` became `letter`) up to, not
// including, the first whose column 1 is `end` (0: to the end). Each gets the
// code column 1 + column 45, and column 45 is blanked.
void CheckSubMap(Checker& c, const std::string& file, const std::vector<std::string>& records, char rewritten,
                 char letter, char end, const std::string& codesFile) {
  const std::set<std::string> codes = Codes(c, codesFile);
  auto first = std::find_if(records.begin(), records.end(), [&](const std::string& r) {
    return At(r, 1) == letter || At(r, 1) == rewritten;
  });
  auto stop = end ? std::find_if(first, records.end(), [&](const std::string& r) { return At(r, 1) == end; })
                  : records.end();
  for (auto it = first; it != stop; ++it) {
    const int n = static_cast<int>(it - records.begin()) + 1;
    const char col1 = At(*it, 1) == rewritten ? letter : At(*it, 1), code = At(*it, kCodeColumn);
    if (code == ' ') continue;
    if (col1 != letter)
      c.Report(file, n, "column 45 is blanked by the sub-map codes: the centre name loses its last character");
    else if (!codes.empty() && !codes.count(std::string(1, letter) + code))
      c.Report(file, n, "sub-map code \"" + Utf8Code(letter, code) + "\" is not a code of " + codesFile);
  }
}

bool LongTownKey(int digit, char letter) {
  const std::string code = std::to_string(digit) + letter;
  return std::any_of(std::begin(kLongTownKeys), std::end(kLongTownKeys), [&](const char* k) { return code == k; });
}

// Consecutive centres of a town make one town of the town list; a town that
// comes back after another one of the same letter would be listed twice.
void CheckTowns(Checker& c, const std::string& file, int digit, const std::vector<std::string>& records) {
  std::map<char, std::string> current;
  std::map<char, std::set<std::string>> done;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const char letter = At(records[i], 1);
    const std::string town = core::Columns(records[i], 2, LongTownKey(digit, letter) ? 35 : 17);
    auto it = current.find(letter);
    if (it != current.end() && it->second == town) continue;
    if (done[letter].count(town))
      c.Report(file, static_cast<int>(i) + 1,
               "town \"" + core::Cp1252ToUtf8(core::TrimRightSpaces(town)) +
                   "\" comes back after another town: the town list would show it twice");
    if (it != current.end()) done[letter].insert(it->second);
    current[letter] = town;
  }
}

Records CheckPlaceFiles(Checker& c) {
  Records records;
  for (int d = 1; d <= 4; ++d) {
    const std::string file = "lu" + std::to_string(d);
    auto lines = c.Lines(file);
    if (!lines) continue;
    records[static_cast<std::size_t>(d - 1)] = *lines;
    c.AtMostLines(file, *lines, kPlaces);
    c.AtMostWidth(file, *lines, kRecordWidth);
    const std::set<char> letters = ProvinceLetters(c, d);
    for (std::size_t i = 0; i < lines->size(); ++i) {
      const int n = static_cast<int>(i) + 1;
      const std::string& record = (*lines)[i];
      if (!letters.count(At(record, 1)) && !(d == 4 && At(record, 1) == 'A') && !(d == 2 && At(record, 1) == 'H'))
        c.Report(file, n, "column 1 \"" + core::Cp1252ToUtf8(std::string(1, At(record, 1))) +
                              "\" is not the letter of a province in " + file);
      if (core::TrimBlanks(core::Columns(record, 2, 44)).empty()) c.Report(file, n, "a place without a centre name");
    }
    CheckTowns(c, file, d, *lines);
  }
  CheckSubMap(c, "lu4", records[3], 'A', '5', 0, "comarcas");
  CheckSubMap(c, "lu2", records[1], 'H', '8', 'D', "comarcasm");
  return records;
}

// Four blocks, one line per place of lu1..lu4: "n;t1;...;tn", titles of that level.
void CheckPlaceList(Checker& c, const std::string& file, const Records& places, const TitleLines& titles,
                    const std::string& titleFile) {
  auto lines = c.Lines(file);
  if (!lines) return;
  std::size_t expected = 0;
  for (const auto& records : places) expected += records.size();
  if (lines->size() != expected)
    c.Report(file, 0, std::to_string(lines->size()) + " lines for the " + std::to_string(expected) +
                          " places of lu1..lu4");
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    auto values = c.CountedRow(file, n, (*lines)[i], kTitlesPerPlace);
    if (!values) continue;
    std::set<int> seen;
    for (int t : *values) {
      if (titles.present && !titles.IsTitle(t))
        c.Report(file, n, std::to_string(t) + " is not a title line of " + titleFile);
      else if (!seen.insert(t).second)
        c.Report(file, n, "title " + std::to_string(t) + " twice: the centre would be listed twice");
    }
  }
}

}  // namespace

void CheckPlaces(Checker& c, const TitleLines& gs, const TitleLines& gm, const TitleLines& fpb) {
  const Records places = CheckPlaceFiles(c);
  CheckPlaceList(c, "datluggsphp", places, gs, "fp");
  CheckPlaceList(c, "datluggmphp", places, gm, "fp2");
  CheckPlaceList(c, "datlugbasphp", places, fpb, "fpba");
}

}  // namespace validate::vocational
