// Checks of materiasp, carreran, carrenue, carreranb, datgradosphp,
// datcarnphp, lugar, comuint, dobles and grados.txt: the degree screens read
// them by line number, so every count, column and reference must agree.
#include <algorithm>
#include <map>
#include <set>

#include "checks.h"
#include "core/text.h"

namespace validate {
namespace {

constexpr std::size_t kNameWidth = 60;
constexpr std::size_t kSubjectWidth = 70;
constexpr std::size_t kMaxDegrees = 350;
constexpr int kMaxSubjects = 49;  // 50 stands for the general text
constexpr int kAnySubject = 50;
constexpr std::size_t kMaxOffers = 125;
constexpr int kMaxPlaceNumber = 255;
constexpr std::size_t kMaxVariants = 10;   // more makes the program warn at start
constexpr std::size_t kMaxCutoffDegrees = 299;  // rows of the cut-off list
constexpr int kMaxCutoffPlaces = 80;       // pairs of one cut-off row
constexpr int kLowestThreshold = 60;
constexpr int kNoMark = 10;
constexpr int kMaxGroups = 199;
constexpr int kMaxDoubles = 50;
constexpr int kRegions = 19;

// What the checks of one file hand to the checks of the others.
struct Folder {
  std::size_t degrees = 0, groups = 0, variants = 0, subjects = 0;
  std::optional<std::size_t> professions;  // unknown while profesio is missing
  std::vector<int> codes;         // datgradosphp field 10 by degree - 1
  std::vector<int> placeRegions;  // lugar columns 1-2 by place - 1
  std::vector<std::string> placeNames;
};

std::string Text(int n) { return std::to_string(n); }

// A list read per language; the four must have the same number of lines.
std::optional<std::vector<std::string>> LangList(Checker& c, const std::string& name, std::size_t width) {
  std::optional<std::vector<std::string>> cas;
  for (const char* lang : kLanguages) {
    const std::string file = std::string(lang) + name;
    auto lines = c.Lines(file);
    if (!lines) continue;
    c.AtMostWidth(file, *lines, width);
    for (std::size_t n = 1; n <= lines->size(); ++n)
      if (core::IsBlank((*lines)[n - 1])) c.Report(file, static_cast<int>(n), "empty line");
    if (!cas) cas = lines;
    else if (lines->size() != cas->size())
      c.Report(file, 0, Text(static_cast<int>(lines->size())) + " lines where cas/" + name + " has " +
                            Text(static_cast<int>(cas->size())));
  }
  return cas;
}

void Lists(Checker& c, Folder& f) {
  if (auto l = LangList(c, "materiasp", kSubjectWidth)) {
    f.subjects = l->size();
    c.AtMostLines("cas/materiasp", *l, kMaxSubjects);
  }
  if (auto l = LangList(c, "carreran", kNameWidth)) {
    f.degrees = l->size();
    c.AtMostLines("cas/carreran", *l, kMaxDegrees);
  }
  if (auto l = LangList(c, "carreranb", kNameWidth)) f.groups = l->size();
  if (auto l = LangList(c, "carrenue", kNameWidth)) f.variants = l->size();
  if (auto l = c.Lines("cas/profesio", false)) f.professions = l->size();
}

// One field of a datgradosphp row within its range.
void Field(Checker& c, int line, const std::vector<int>& v, int field, int low, int high, const char* what) {
  const int value = v[static_cast<std::size_t>(field) - 1];
  if (value < low || value > high)
    c.Report("datgradosphp", line, "field " + Text(field) + " (" + what + ") is " + Text(value) + ", not " +
                                       Text(low) + " to " + Text(high));
}

void DegreeInfo(Checker& c, Folder& f) {
  auto lines = c.Lines("datgradosphp");
  if (!lines) return;
  if (lines->size() != f.degrees)
    c.Report("datgradosphp", static_cast<int>(std::min(lines->size(), f.degrees)) + 1,
             Text(static_cast<int>(lines->size())) + " lines for the " + Text(static_cast<int>(f.degrees)) +
                 " degrees of carreran");
  std::map<int, int> firstLine;
  for (std::size_t n = 1; n <= lines->size(); ++n) {
    const int line = static_cast<int>(n);
    auto v = c.IntRow("datgradosphp", line, (*lines)[n - 1], 14);
    f.codes.push_back(v ? (*v)[9] : -1);
    if (!v) continue;
    Field(c, line, *v, 1, 1, 5, "branch");
    Field(c, line, *v, 2, 1, static_cast<int>(f.groups), "group of carreranb");
    Field(c, line, *v, 3, 1, 12, "itinerary");
    Field(c, line, *v, 4, 0, 12, "itinerary");
    if (f.professions)
      for (int k = 5; k <= 8; ++k) Field(c, line, *v, k, 0, static_cast<int>(*f.professions), "profession");
    Field(c, line, *v, 9, 0, 26, "professional family");
    Field(c, line, *v, 10, 1, 999, "degree key");
    if (!firstLine.emplace((*v)[9], line).second)
      c.Report("datgradosphp", line, "degree key " + Text((*v)[9]) + " is already used at line " +
                                         Text(firstLine[(*v)[9]]));
    for (int k = 11; k <= 14; ++k) {
      const int s = (*v)[static_cast<std::size_t>(k) - 1];
      if (s != kAnySubject) Field(c, line, *v, k, 0, static_cast<int>(f.subjects), "subject of materiasp");
    }
  }
}

void Places(Checker& c, Folder& f) {
  auto lines = c.Lines("lugar");
  if (!lines) return;
  c.AtMostLines("lugar", *lines, 1100);
  for (std::size_t n = 1; n <= lines->size(); ++n) {
    const std::string& l = (*lines)[n - 1];
    const int line = static_cast<int>(n);
    int region = 0;
    if (!core::ParseInt(core::Columns(l, 1, 2), region) || region < 1 || region > kRegions) {
      c.Report("lugar", line, "columns 1-2 must be the region 1 to 19");
      region = 0;  // reported once, here
    }
    f.placeRegions.push_back(region);
    f.placeNames.push_back(core::Columns(l, 3, 35));
    if (core::IsBlank(core::Columns(l, 3, 35))) c.Report("lugar", line, "no place name in columns 3-37");
    const std::string web = core::TrimRightSpaces(core::Columns(l, 38, 100));
    if (web.empty() || web.size() > 60 || web.find(' ') != std::string::npos || web.find('.') == std::string::npos ||
        web.rfind("http", 0) == 0 || web.rfind("www.", 0) == 0)
      c.Report("lugar", line, "column 38 on must be a web address of at most 60 characters without \"http://www.\"");
  }
}

void RegionLinks(Checker& c) {
  auto lines = c.Lines("comuint");
  if (!lines) return;
  if (lines->size() != kRegions)
    c.Report("comuint", static_cast<int>(std::min<std::size_t>(lines->size(), kRegions)) + 1,
             Text(static_cast<int>(lines->size())) + " lines; one per region 1 to 19 is needed");
  for (std::size_t n = 1; n <= lines->size(); ++n) {
    const std::string web = core::TrimRightSpaces(core::Columns((*lines)[n - 1], 15, 100));
    if (web.empty() || web.find(' ') != std::string::npos || web.find('.') == std::string::npos ||
        web.rfind("http", 0) == 0)
      c.Report("comuint", static_cast<int>(n), "column 15 on must be a web address without \"http://\"");
  }
}

// The three parallel rows of one degree in datcarnphp.
void OfferRows(Checker& c, const Folder& f, std::size_t d, const std::vector<std::string>& lines,
               std::size_t& cutoffDegrees) {
  const std::size_t n = f.degrees;
  const int lineU = static_cast<int>(d), lineM = static_cast<int>(n + d), lineT = static_cast<int>(2 * n + d);
  auto places = c.CountedRow("datcarnphp", lineU, lines[d - 1], kMaxOffers);
  auto marks = c.CountedRow("datcarnphp", lineM, lines[n + d - 1], kMaxOffers);
  auto titles = c.CountedRow("datcarnphp", lineT, lines[2 * n + d - 1], kMaxOffers);
  if (!places || !marks || !titles) return;
  if (marks->size() != places->size())
    c.Report("datcarnphp", lineM, Text(static_cast<int>(marks->size())) + " marks for " +
                                      Text(static_cast<int>(places->size())) + " places at line " + Text(lineU));
  if (titles->size() != places->size())
    c.Report("datcarnphp", lineT, Text(static_cast<int>(titles->size())) + " title variants for " +
                                      Text(static_cast<int>(places->size())) + " places at line " + Text(lineU));
  const int lastPlace = std::min(static_cast<int>(f.placeRegions.size()), kMaxPlaceNumber);
  std::set<int> seen;
  for (int p : *places) {
    if (p < 1 || p > lastPlace) c.Report("datcarnphp", lineU, "place " + Text(p) + " is not a line 1 to " +
                                                                  Text(lastPlace) + " of lugar");
    else if (!seen.insert(p).second) c.Report("datcarnphp", lineU, "place " + Text(p) + " is listed twice");
  }
  int high = 0;
  for (int m : *marks) {
    if (m != kNoMark && (m < 50 || m > 140))
      c.Report("datcarnphp", lineM, "mark " + Text(m) + " is neither 10 (no mark) nor 50 to 140");
    high += m >= kLowestThreshold;
  }
  if (high > kMaxCutoffPlaces)
    c.Report("datcarnphp", lineM, Text(high) + " marks of 6 or more; the cut-off list holds 80 per degree");
  cutoffDegrees += high > 0;
  std::vector<int> distinct;
  for (int v : *titles) {
    if (v < 0 || v > static_cast<int>(f.variants))
      c.Report("datcarnphp", lineT, "title variant " + Text(v) + " is not 0 or a line of carrenue");
    if (v > 0 && std::find(distinct.begin(), distinct.end(), v) == distinct.end()) distinct.push_back(v);
  }
  if (distinct.size() > kMaxVariants)
    c.Report("datcarnphp", lineT, Text(static_cast<int>(distinct.size())) +
                                      " different title variants; more than 10 makes the program warn");
}

void Offers(Checker& c, const Folder& f) {
  auto lines = c.Lines("datcarnphp");
  if (!lines) return;
  if (lines->size() != 3 * f.degrees) {
    c.Report("datcarnphp", static_cast<int>(std::min(lines->size(), 3 * f.degrees)) + 1,
             Text(static_cast<int>(lines->size())) + " lines; three blocks of " + Text(static_cast<int>(f.degrees)) +
                 " (the degrees of carreran) are needed");
    return;
  }
  std::size_t cutoffDegrees = 0;
  for (std::size_t d = 1; d <= f.degrees; ++d) OfferRows(c, f, d, *lines, cutoffDegrees);
  if (cutoffDegrees > kMaxCutoffDegrees)
    c.Report("datcarnphp", static_cast<int>(f.degrees) + 1,
             Text(static_cast<int>(cutoffDegrees)) + " degrees have marks of 6 or more; the cut-off list holds 299");
}

bool KnownDegree(const Folder& f, int key) { return std::find(f.codes.begin(), f.codes.end(), key) != f.codes.end(); }

// A group header must repeat its place: group g is place g.
void DoublesHeader(Checker& c, const Folder& f, int line, int group, int region, const std::string& name) {
  if (group > kMaxGroups) {
    c.Report("dobles", line, "more than 199 groups");
    return;
  }
  if (group > static_cast<int>(f.placeRegions.size())) {
    c.Report("dobles", line, "group " + Text(group) + " has no place: lugar has " +
                                 Text(static_cast<int>(f.placeRegions.size())) + " lines");
    return;
  }
  const std::size_t p = static_cast<std::size_t>(group) - 1;
  if ((f.placeRegions[p] != 0 && region != f.placeRegions[p]) || core::TrimRightSpaces(name) != core::TrimRightSpaces(f.placeNames[p]))
    c.Report("dobles", line, "group " + Text(group) + " must repeat the region and name of line " + Text(group) +
                                 " of lugar");
}

void DoublesItem(Checker& c, const Folder& f, int line, const std::string& l) {
  for (std::size_t column : {5u, 8u}) {
    int key = 0;
    if (!core::ParseInt(core::Columns(l, column, 3), key))
      c.Report("dobles", line, "columns " + Text(static_cast<int>(column)) + "-" + Text(static_cast<int>(column) + 2) +
                                   " must be a degree key");
    else if (!KnownDegree(f, key))
      c.Report("dobles", line, "degree key " + Text(key) + " is not field 10 of any line of datgradosphp");
  }
}

void Doubles(Checker& c, const Folder& f) {
  auto lines = c.Lines("dobles");
  if (!lines) return;
  int group = 0, items = 0;
  for (std::size_t n = 1; n <= lines->size(); ++n) {
    const std::string& l = (*lines)[n - 1];
    const int line = static_cast<int>(n);
    int region = 0;
    if (core::ParseInt(core::Columns(l, 1, 2), region)) {
      if (region < 1 || region > 99) c.Report("dobles", line, "a header outside 1-99 is ignored by the program");
      else DoublesHeader(c, f, line, ++group, region, core::Columns(l, 3, 35));
      items = 0;
      continue;
    }
    if (group == 0) c.Report("dobles", line, "a double degree before the first group");
    else if (++items > kMaxDoubles) c.Report("dobles", line, "more than 50 double degrees in one group");
    DoublesItem(c, f, line, l);
  }
  if (group < static_cast<int>(f.placeRegions.size()) && group < kMaxGroups)
    c.Report("dobles", static_cast<int>(lines->size()) + 1,
             Text(group) + " groups for the " + Text(static_cast<int>(f.placeRegions.size())) +
                 " places of lugar (one group per place)");
}

// The profile block of each degree: "<<" + key in three columns, and a later "<<" line.
void ProfileFile(Checker& c, const Folder& f, const std::string& file, const std::vector<std::string>& lines) {
  std::map<std::string, int> markers;  // marker text -> first line
  std::vector<int> markerLines;
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    const std::size_t at = lines[n - 1].find("<<");
    if (at == std::string::npos) continue;
    markerLines.push_back(static_cast<int>(n));
    const std::string marker = lines[n - 1].substr(at, 5);
    if (marker.size() == 5 && !markers.emplace(marker, static_cast<int>(n)).second)
      c.Report(file, static_cast<int>(n), "a second block for " + core::Cp1252ToUtf8(marker) + " is never shown");
  }
  for (std::size_t d = 1; d <= f.codes.size(); ++d) {
    if (f.codes[d - 1] < 0) continue;
    std::string digits = std::to_string(f.codes[d - 1]);
    const std::string marker = "<<" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, ' ') + digits;
    auto it = markers.find(marker);
    if (it == markers.end()) {
      c.Report(file, 0, "no profile of degree " + Text(static_cast<int>(d)) + " (\"" + marker + "\")");
      continue;
    }
    auto next = std::upper_bound(markerLines.begin(), markerLines.end(), it->second);
    if (next == markerLines.end())
      c.Report(file, it->second, "the block of degree " + Text(static_cast<int>(d)) + " has no \"<<\" line after it");
    else if (*next <= it->second + 2 || core::IsBlank(lines[static_cast<std::size_t>(it->second) + 1]))
      c.Report(file, it->second, "the block of degree " + Text(static_cast<int>(d)) +
                                     " needs a title two lines after its key line");
  }
}

void Profiles(Checker& c, const Folder& f) {
  auto common = c.Lines("grados.txt", false);
  for (const char* lang : kLanguages) {
    const std::string file = std::string(lang) + "grados.txt";
    if (auto own = c.Lines(file, false)) ProfileFile(c, f, file, *own);
    else if (!common) c.Report(file, 0, "missing file (and no grados.txt in the data folder)");
  }
  if (common) ProfileFile(c, f, "grados.txt", *common);
}

}  // namespace

void CheckUniversities(Checker& c) {
  Folder f;
  Lists(c, f);
  DegreeInfo(c, f);
  Places(c, f);
  RegionLinks(c);
  Offers(c, f);
  Doubles(c, f);
  Profiles(c, f);
}

}  // namespace validate
