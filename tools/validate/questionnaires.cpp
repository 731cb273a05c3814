// Checks of cualidad, interes, itinerar, cuestion, cuesgm, cuestiocua, cuestioint, cuestioESO: the item
// lists and matrices of the interests and qualities questionnaire, the questions, itinerary texts and
// matrix of the ESO questionnaire, and the areas and statements of the Grado Medio questionnaire.
#include <algorithm>
#include <map>
#include <set>

#include "checks.h"
#include "core/text.h"
#include "core/textfile.h"

namespace validate {
namespace {

constexpr std::size_t kListCapacity = 1100;  // lines a text list holds
constexpr std::size_t kMatrixRows = 20, kMatrixValues = 50;
constexpr int kScoredItineraries = 12, kEsoItineraries = 13;
constexpr int kFirstAreaRow = 14, kLastAreaRow = 19;
constexpr int kFirstPart = 35;  // the short questionnaire
constexpr int kItinerarLines = 52;
constexpr int kGmAreaLines = 11;

using Lines = std::vector<std::string>;

std::string Line(const Lines& lines, int n) {
  return n >= 1 && n <= static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(n - 1)] : std::string();
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// A per-language file must have the line structure of its Castilian original.
void SameLength(Checker& c, const std::string& file, const Lines& lines, const Lines* original,
                const std::string& name) {
  if (original && lines.size() != original->size())
    c.Report(file, 0, std::to_string(lines.size()) + " lines where cas/" + name + " has " +
                          std::to_string(original->size()));
}

void NoBlankLines(Checker& c, const std::string& file, const Lines& lines, int first, int last,
                  const std::string& what) {
  for (int n = first; n <= last && n <= static_cast<int>(lines.size()); ++n)
    if (core::IsBlank(Line(lines, n))) c.Report(file, n, what + " is empty");
}

void ItemList(Checker& c, const std::string& lang, const std::string& name, const Lines* original) {
  const std::string file = lang + name;
  auto lines = c.Lines(file);
  if (!lines) return;
  if (lines->empty()) c.Report(file, 0, "no items");
  c.AtMostLines(file, *lines, kListCapacity);
  c.AtMostWidth(file, *lines, 60);
  NoBlankLines(c, file, *lines, 1, static_cast<int>(lines->size()), "item");
  SameLength(c, file, *lines, original, name);
}

// What weight class W and answer type T make of the best answer; empty when it scores fully.
std::string ScoringFault(int w, int t) {
  const bool light = w >= 2 && w <= 5, heavy = w == 8 || w == 9;
  if (!light && !heavy) return "weight class " + std::to_string(w) + " scores nothing (2, 3, 4, 5, 8 or 9)";
  if (t < 2 || t > 5) return "answer type " + std::to_string(t) + " cannot be answered (2, 3, 4 or 5)";
  if (light && t == 5) return "in weight class " + std::to_string(w) + " the fifth answer scores nothing";
  if (heavy && (t == 3 || t == 4))
    return "in weight class " + std::to_string(w) + " four answer levels never reach the maximum";
  return {};
}

void Questions(Checker& c, const std::string& lang, const Lines* original) {
  const std::string file = lang + "cuestion";
  auto lines = c.Lines(file);
  if (!lines) return;
  c.AtMostLines(file, *lines, kListCapacity);
  c.AtMostWidth(file, *lines, 50);
  if (lines->size() < static_cast<std::size_t>(kFirstPart))
    c.Report(file, 0, std::to_string(lines->size()) + " questions; the short questionnaire asks " +
                          std::to_string(kFirstPart));
  for (int n = 1; n <= static_cast<int>(lines->size()); ++n) {
    const std::string line = Line(*lines, n);
    if (line.size() < 2 || !IsDigit(line[0]) || !IsDigit(line[1])) {
      c.Report(file, n, "characters 1 and 2 must be the weight class and answer type digits");
      continue;
    }
    std::string fault = ScoringFault(line[0] - '0', line[1] - '0');
    if (!fault.empty()) c.Report(file, n, fault);
    if (core::IsBlank(core::Columns(line, 3, 48))) c.Report(file, n, "question text is empty");
    std::string theirs = Line(original ? *original : *lines, n);
    if (original && theirs.size() >= 2 && IsDigit(theirs[0]) && IsDigit(theirs[1]) &&
        theirs.compare(0, 2, line, 0, 2) != 0)
      c.Report(file, n, "weight class and answer type differ from cas/cuestion");
  }
  SameLength(c, file, *lines, original, "cuestion");
}

// The fixed texts of the ESO results that must be written: names, tracks, headings and the first line
// of every advice block.
constexpr int kRequiredReportLines[] = {21, 22, 23, 24, 25, 26, 27, 30, 32, 33, 34, 35, 37, 40, 42, 44, 46, 48, 50};

void Itineraries(Checker& c, const std::string& lang, const Lines* original) {
  const std::string file = lang + "itinerar";
  auto lines = c.Lines(file);
  if (!lines) return;
  c.AtMostLines(file, *lines, kListCapacity);
  if (lines->size() < static_cast<std::size_t>(kItinerarLines))
    c.Report(file, 0, std::to_string(lines->size()) + " lines; the ESO report reads up to line " +
                          std::to_string(kItinerarLines));
  std::map<std::string, int> starts;  // the ESO results find an itinerary by its first 20 characters
  for (int n = 1; n <= kEsoItineraries && n <= static_cast<int>(lines->size()); ++n) {
    const std::string name = Line(*lines, n);
    if (core::IsBlank(name)) {
      c.Report(file, n, "itinerary name is empty");
      continue;
    }
    if (Checker::ShownLength(name) > 45)
      c.Report(file, n, "itinerary name longer than the 45 characters of the ESO ranking");
    std::string start = core::PadToWidth(name, 21).substr(0, 20);
    auto [it, fresh] = starts.emplace(start, n);
    if (!fresh)
      c.Report(file, n, "starts with the same 20 characters as itinerary " + std::to_string(it->second) +
                            ": the ESO results cannot tell them apart");
  }
  for (int n : kRequiredReportLines)
    if (n <= static_cast<int>(lines->size()) && core::IsBlank(Line(*lines, n)))
      c.Report(file, n, "text of the ESO report is empty");
  for (int n = 21; n <= 27 && n <= static_cast<int>(lines->size()); ++n)
    if (Checker::ShownLength(Line(*lines, n)) > 35) c.Report(file, n, "longer than the 35 characters shown");
  for (int n = 30; n <= kItinerarLines && n <= static_cast<int>(lines->size()); ++n)
    if (Checker::ShownLength(Line(*lines, n)) > 54) c.Report(file, n, "longer than the 54 characters shown");
  // Itineraries 1 and 10 show two tracks joined in a results row of 60 characters, indented by 6.
  for (auto [a, b] : {std::pair{27, 26}, std::pair{24, 23}}) {
    if (b > static_cast<int>(lines->size()) || a > static_cast<int>(lines->size())) continue;
    std::string joined = core::TrimRightSpaces(core::CutTo(Line(*lines, a), 35)) + " o " +
                         core::TrimRightSpaces(core::CutTo(Line(*lines, b), 35));
    if (joined.size() > 54)
      c.Report(file, a, "tracks " + std::to_string(a) + " and " + std::to_string(b) + " joined are " +
                            std::to_string(joined.size()) + " characters, more than the 54 of a results row");
  }
  SameLength(c, file, *lines, original, "itinerar");
}

void GmStatements(Checker& c, const std::string& lang, const Lines* original) {
  const std::string file = lang + "cuesgm";
  auto lines = c.Lines(file);
  if (!lines) return;
  c.AtMostLines(file, *lines, kListCapacity);
  if (lines->size() <= static_cast<std::size_t>(kGmAreaLines))
    c.Report(file, 0, "no statements after the " + std::to_string(kGmAreaLines) + " area lines");
  NoBlankLines(c, file, *lines, 1, kGmAreaLines, "area text");
  c.AtMostWidth(file, Lines(lines->begin(), lines->begin() + std::min<std::size_t>(lines->size(), kGmAreaLines)), 75);
  std::set<int> used;
  for (int n = kGmAreaLines + 1; n <= static_cast<int>(lines->size()); ++n) {
    const std::string line = Line(*lines, n);
    if (line.size() < 2 || !IsDigit(line[0]) || !IsDigit(line[1])) {
      c.Report(file, n, "characters 1 and 2 must be the two area digits (the program stops on anything else)");
      continue;
    }
    int first = line[0] == '0' ? 10 : line[0] - '0', second = line[1] - '0';
    if (second == first) c.Report(file, n, "the same area twice");
    used.insert(first);
    if (second) used.insert(second);
    if (core::IsBlank(core::Columns(line, 3, 70))) c.Report(file, n, "statement text is empty");
    if (Checker::ShownLength(line) > 72) c.Report(file, n, "statement longer than the 70 characters shown");
    std::string theirs = Line(original ? *original : *lines, n);
    if (original && theirs.size() >= 2 && IsDigit(theirs[0]) && IsDigit(theirs[1]) &&
        theirs.compare(0, 2, line, 0, 2) != 0)
      c.Report(file, n, "area digits differ from cas/cuesgm");
  }
  if (lines->size() > static_cast<std::size_t>(kGmAreaLines))
    for (int area = 1; area < kGmAreaLines; ++area)
      if (!used.count(area))
        c.Report(file, area, "no statement belongs to this area: choosing it would list nothing");
  SameLength(c, file, *lines, original, "cuesgm");
}

// The counted rows of a matrix file; a problem for every row the readers would misread.
std::vector<std::vector<int>> MatrixRows(Checker& c, const std::string& file, std::size_t rows, int lastValue,
                                         const std::string& what, const std::string& list) {
  std::vector<std::vector<int>> out;
  auto lines = c.Lines(file);
  if (!lines) return out;
  c.AtMostLines(file, *lines, kMatrixRows);
  if (lines->size() < rows)
    c.Report(file, 0, std::to_string(lines->size()) + " rows; " + std::to_string(rows) + " are read");
  for (int n = 1; n <= static_cast<int>(std::min(lines->size(), kMatrixRows)); ++n) {
    auto values = c.CountedRow(file, n, Line(*lines, n), kMatrixValues);
    out.push_back(values.value_or(std::vector<int>{}));
    if (!values) continue;
    std::set<int> seen;
    for (int v : *values) {
      if (v <= 0 || v > 255) c.Report(file, n, "value " + std::to_string(v) + " is not stored (1 to 255)");
      else if (lastValue > 0 && v > lastValue)
        c.Report(file, n, what + " " + std::to_string(v) + " does not exist (" + list + " has " +
                              std::to_string(lastValue) + ")");
      if (!seen.insert(v).second) c.Report(file, n, what + " " + std::to_string(v) + " is listed twice");
    }
  }
  return out;
}

int LineCount(const std::optional<Lines>& lines) { return lines ? static_cast<int>(lines->size()) : 0; }

void ItemMatrix(Checker& c, const std::string& file, int items, const std::string& list) {
  auto rows = MatrixRows(c, file, kScoredItineraries, items, "item", list);
  for (int j = 1; j <= kScoredItineraries && j <= static_cast<int>(rows.size()); ++j)
    if (rows[static_cast<std::size_t>(j - 1)].empty())
      c.Report(file, j, "itinerary " + std::to_string(j) + " lists no item: its score divides by zero");
}

void QuestionMatrix(Checker& c, int questions) {
  const std::string file = "cuestioESO";
  auto rows = MatrixRows(c, file, kLastAreaRow, questions, "question", "cas/cuestion");
  for (int r = 1; r <= kLastAreaRow && r <= static_cast<int>(rows.size()); ++r) {
    const auto& values = rows[static_cast<std::size_t>(r - 1)];
    if (r <= kEsoItineraries && values.empty())
      c.Report(file, r, "itinerary " + std::to_string(r) + " lists no question: it can never be recommended");
    if (r >= kFirstAreaRow &&
        std::none_of(values.begin(), values.end(), [](int q) { return q >= 1 && q <= kFirstPart; }))
      c.Report(file, r, "skill area lists no question among the first " + std::to_string(kFirstPart) +
                            ": the short results divide by zero");
  }
}

}  // namespace

void CheckQuestionnaires(Checker& c) {
  std::map<std::string, std::optional<Lines>> castilian;
  for (const char* name : {"cualidad", "interes", "cuestion", "itinerar", "cuesgm"})
    castilian[name] = core::ReadLines(c.dir() + "cas/" + name);  // its own faults are reported with cas/
  for (const char* lang : kLanguages) {
    auto original = [&](const char* name) -> const Lines* {
      const auto& o = castilian[name];
      return std::string(lang) == "cas/" || !o ? nullptr : &*o;
    };
    ItemList(c, lang, "cualidad", original("cualidad"));
    ItemList(c, lang, "interes", original("interes"));
    Questions(c, lang, original("cuestion"));
    Itineraries(c, lang, original("itinerar"));
    GmStatements(c, lang, original("cuesgm"));
  }
  ItemMatrix(c, "cuestiocua", LineCount(castilian["cualidad"]), "cas/cualidad");
  ItemMatrix(c, "cuestioint", LineCount(castilian["interes"]), "cas/interes");
  QuestionMatrix(c, LineCount(castilian["cuestion"]));
}

}  // namespace validate
