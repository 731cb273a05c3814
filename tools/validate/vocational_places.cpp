// Checks of the place files lu1..lu4 (with the Catalonia and Madrid sub-map
// codes the screens derive from them) and of the place lists datluggsphp,
// datluggmphp and datlugbasphp.
#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "core/text.h"
#include "core/textfile.h"
#include "provinces.h"
#include "vocational.h"

namespace validate::vocational {
namespace {

// Provinces whose towns the screens key by 35 characters instead of 17.
constexpr const char* kLongTownKeys[] = {"1J", "2H", "2G", "3G", "3E", "41", "45", "4A"};
constexpr int kFirstProvinceRecord = 20;  // of comunida
constexpr std::size_t kPlaces = 1100, kTitlesPerPlace = 25, kRecordWidth = 60, kCodeColumn = 45;

using Records = std::array<std::vector<std::string>, 4>;

// Letters that name a province in place file d (1-4), for the provinces of comunida.
std::set<char> ProvinceLetters(Checker& c, int digit) {
  int provinces = LineCount(c, "comunida") - (kFirstProvinceRecord - 1);
  if (provinces <= 0 || provinces > kProvinceTable) provinces = kProvinceTable;
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
// code column 1 + column 45, and column 45 is blanked. Every record under a
// letter of the sub-map's entries must lie in that range with a code of
// `codesFile`; no other record may have a character in column 45.
void CheckSubMap(Checker& c, const std::string& file, const std::vector<std::string>& records, const SubMap& m,
                 const std::string& codesFile) {
  const std::set<std::string> codes = Codes(c, codesFile);
  const std::set<char> letters =
      SubMapLetters(core::ReadLines(c.dir() + "comunida").value_or(std::vector<std::string>{}), m);
  auto letterOf = [&](const std::string& r) { return At(r, 1) == m.rewritten ? m.letter : At(r, 1); };
  auto first = std::find_if(records.begin(), records.end(), [&](const std::string& r) { return letterOf(r) == m.letter; });
  auto stop = m.end ? std::find_if(first, records.end(), [&](const std::string& r) { return At(r, 1) == m.end; })
                    : records.end();
  for (auto it = records.begin(); it != records.end(); ++it) {
    const int n = static_cast<int>(it - records.begin()) + 1;
    const char col1 = letterOf(*it), code = At(*it, kCodeColumn);
    const bool inRange = it >= first && it < stop, ofSubMap = letters.count(col1) > 0;
    if (ofSubMap && !inRange)
      c.Report(file, n, std::string("a centre of the sub-map ") +
                            (it < first ? "before the first \"" + std::string(1, m.letter) + "\" record"
                                        : "after the first \"" + std::string(1, m.end) + "\" record") +
                            ": the sub-map never shows it");
    else if (ofSubMap && code == ' ')
      c.Report(file, n, "a centre of the sub-map without its code in column 45");
    else if (inRange && code != ' ' && !ofSubMap && !(letters.empty() && col1 == m.letter))
      c.Report(file, n, "column 45 is blanked by the sub-map codes: the centre name loses its last character");
    else if (inRange && code != ' ' && !codes.empty() && !codes.count(std::string(1, col1) + code))
      c.Report(file, n, "sub-map code \"" + Utf8Code(col1, code) + "\" is not a code of " + codesFile);
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
      const SubMap* rewrites = d == kCatalonia.digit ? &kCatalonia : d == kMadrid.digit ? &kMadrid : nullptr;
      if (rewrites && At(record, 1) == rewrites->rewritten)
        c.Report(file, n, "column 1 \"" + std::string(1, rewrites->rewritten) + "\" is turned into \"" +
                              std::string(1, rewrites->letter) + "\" by the screens: write the centre under \"" +
                              std::string(1, rewrites->letter) + "\"");
      else if (!letters.count(At(record, 1)))
        c.Report(file, n, "column 1 \"" + core::Cp1252ToUtf8(std::string(1, At(record, 1))) +
                              "\" is not the letter of a province in " + file);
      if (core::TrimBlanks(core::Columns(record, 2, 44)).empty()) c.Report(file, n, "a place without a centre name");
    }
    CheckTowns(c, file, d, *lines);
  }
  CheckSubMap(c, "lu4", records[3], kCatalonia, "comarcas");
  CheckSubMap(c, "lu2", records[1], kMadrid, "comarcasm");
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
