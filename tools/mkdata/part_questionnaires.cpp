// cualidad, interes, itinerar, cuestion, cuesgm, cuestiocua, cuestioint, cuestioESO, from data/src/questionnaires/.
//
// The matrices are never written by hand: every item and question lists the
// itineraries (and skill areas) it stands for, and the rows of the matrices
// are gathered from those lists, so renumbering a list cannot break them.
#include <algorithm>
#include <map>
#include <set>

#include "core/text.h"
#include "parts.h"

namespace mkdata {

namespace {

const std::string kDir = "questionnaires/";

constexpr int kScoredItineraries = 12;   // the interests and qualities questionnaire
constexpr int kEsoItineraries = 13;      // the ESO questionnaire
constexpr int kFirstPartQuestions = 35;  // the short questionnaire
constexpr int kEsoRows = 20;             // cuestioESO: 13 itineraries, 6 skill areas, 1 unused
constexpr int kFirstAreaRow = 14, kLastAreaRow = 19;
constexpr int kItinerarLines = 52;
constexpr int kGmAreaLines = 11;         // 10 areas and the way out to the search by place
constexpr std::size_t kMatrixRowValues = 50;
constexpr std::size_t kItemWidth = 60;
constexpr std::size_t kItineraryNameWidth = 45;  // the ESO ranking shows 45 characters of a name
constexpr std::size_t kItineraryStart = 20;      // ...and finds an itinerary again by its first 20
constexpr std::size_t kTrackWidth = 35;
constexpr std::size_t kJoinedTrackWidth = 54;    // a results row of 60 after its indent of 6
constexpr std::size_t kReportWidth = 54;
constexpr std::size_t kQuestionWidth = 48;
constexpr std::size_t kGmLineWidth = 75;
constexpr std::size_t kStatementWidth = 70;

// The itinerar lines that hold the advice for a weak skill area (its cuestioESO row).
std::pair<int, int> AdviceLines(int areaRow) {
  static const std::pair<int, int> lines[] = {{35, 36}, {37, 39}, {40, 41}, {42, 43}, {44, 45}, {46, 47}};
  return lines[areaRow - kFirstAreaRow];
}

// Item numbers and the weights the qualities scoring gives them; items 1-3
// and 4-6 are graded steps (a higher step also counts the lower ones).
int QualityWeight(int item) {
  switch (item) {
    case 3: case 6: case 7: return 3;
    case 2: case 5: case 8: case 9: case 10: case 11: case 12: case 36: case 80: return 2;
    default: return 1;
  }
}

bool IsKey(const std::string& key) {
  if (key.empty()) return false;
  for (char ch : key)
    if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-')) return false;
  return true;
}

// Numbers in 1..last from a list column; a bad one is an error at the row.
std::vector<int> NumberList(const Source& s, const Row& row, const std::string& column, int last, Log& log) {
  std::vector<int> numbers;
  for (const std::string& item : s.List(row, column, log)) {
    int n = 0;
    if (!core::ParseInt(item, n) || n < 1 || n > last) {
      s.Error(row, column + ": \"" + item + "\" is not a number from 1 to " + std::to_string(last), log);
      continue;
    }
    if (std::find(numbers.begin(), numbers.end(), n) != numbers.end()) {
      s.Error(row, column + ": " + item + " is given twice", log);
      continue;
    }
    numbers.push_back(n);
  }
  return numbers;
}

// The rows of a matrix file (row r = index r - 1), each a list of values.
struct Matrix {
  std::vector<std::vector<int>> rows;
  explicit Matrix(std::size_t n) : rows(n) {}
  void Add(std::size_t row, int value, const Source& s, const Row& at, Log& log) {
    if (rows[row - 1].size() == kMatrixRowValues)
      s.Error(at, "row " + std::to_string(row) + " of the matrix would hold more than " +
                      std::to_string(kMatrixRowValues) + " values",
              log);
    else
      rows[row - 1].push_back(value);
  }
  OutFile File() const {
    OutFile out;
    for (const auto& values : rows) out.Add(CountedRow(values));
    return out;
  }
};

void FitAll(const Context& c, const std::array<std::string, 4>& texts, std::size_t width, const std::string& where,
            int line, const std::string& what) {
  for (std::size_t l = 0; l < 4; ++l) c.Fit(texts[l], width, where, line, std::string(kLangDirs[l]) + " " + what);
}

void RequireTexts(const Source& s, const Row& row, const std::array<std::string, 4>& texts, Log& log) {
  for (std::size_t l = 0; l < 4; ++l)
    if (core::IsBlank(texts[l])) s.Error(row, std::string("the ") + kLangDirs[l] + " text is empty", log);
}

// cualidad + cuestiocua, or interes + cuestioint.
bool CompileItemList(const Context& c, const std::string& source, const std::string& list, const std::string& matrix,
                     bool weighted) {
  auto s = c.Read(kDir + source);
  if (!s) return false;
  LangFile items;
  Matrix rows(kScoredItineraries);
  int item = 0;
  for (const Row& row : s->rows()) {
    ++item;
    if (weighted) {
      int weight = s->Int(row, "weight", c.log);
      if (weight != QualityWeight(item))
        s->Error(row, "item " + std::to_string(item) + " weighs " + std::to_string(QualityWeight(item)) +
                          " in the qualities scoring, the row says " + std::to_string(weight),
                 c.log);
    }
    auto texts = s->Texts(row, "text", c.log);
    RequireTexts(*s, row, texts, c.log);
    FitAll(c, texts, kItemWidth, s->name(), row.line, "item");
    items.Add(texts);
    auto itineraries = NumberList(*s, row, "itineraries", kScoredItineraries, c.log);
    if (itineraries.empty()) s->Error(row, "the item names no itinerary", c.log);
    for (int j : itineraries) rows.Add(static_cast<std::size_t>(j), item, *s, row, c.log);
  }
  if (item > 255) c.log.Error(s->name(), 0, "more than 255 items: the matrix holds item numbers up to 255");
  for (int j = 1; j <= kScoredItineraries; ++j)
    if (rows.rows[static_cast<std::size_t>(j - 1)].empty())
      c.log.Error(s->name(), 0, "itinerary " + std::to_string(j) + " has no item: its score would divide by zero");
  bool ok = c.WriteLang(list, items);
  return c.WriteCommon(matrix, rows.File()) && ok;
}

// The skill areas of the ESO questionnaire: key -> row of cuestioESO.
std::map<std::string, int> ReadSkillAreas(const Context& c) {
  std::map<std::string, int> areas;
  auto s = c.Read(kDir + "eso-areas.tsv");
  if (!s) return areas;
  int row = kFirstAreaRow;
  for (const Row& r : s->rows()) {
    std::string key = s->Utf8(r, "key", c.log);
    if (!IsKey(key)) s->Error(r, "\"" + key + "\" is not a key (lowercase letters, digits, -)", c.log);
    if (row > kLastAreaRow) {
      s->Error(r, "more than " + std::to_string(kLastAreaRow - kFirstAreaRow + 1) + " skill areas", c.log);
      break;
    }
    if (!areas.emplace(key, row).second) s->Error(r, "area \"" + key + "\" is defined twice", c.log);
    ++row;
  }
  if (row <= kLastAreaRow)
    c.log.Error(s->name(), 0, "the questionnaire has " + std::to_string(kLastAreaRow - kFirstAreaRow + 1) +
                                  " skill areas; " + std::to_string(row - kFirstAreaRow) + " are given");
  return areas;
}

// Where each fixed text of the ESO report goes: the role a line must have.
std::string ReportRole(int line, const std::map<std::string, int>& areas) {
  if (line == 21) return "title";
  if (line >= 22 && line <= 27) return "track";
  if (line == 30) return "ranking-heading";
  if (line == 32) return "score-heading";
  if (line == 33) return "itinerary-heading";
  if (line == 34) return "advice-heading";
  for (const auto& [key, row] : areas) {
    auto [first, last] = AdviceLines(row);
    if (line >= first && line <= last) return "advice " + key;
  }
  if (line == 48 || line == 49) return "all-good";
  if (line >= 50 && line <= 52) return "closing";
  return {};
}

// The track shown for itineraries 1 and 10 joins two labels; it must fit its row.
void FitJoinedTracks(const Context& c, const std::map<int, std::array<std::string, 4>>& lines,
                     const std::map<int, int>& sourceLines, const std::string& where) {
  for (auto [a, b] : {std::pair{27, 26}, std::pair{24, 23}}) {
    if (!lines.count(a) || !lines.count(b)) continue;
    for (std::size_t l = 0; l < 4; ++l) {
      std::string joined = core::TrimRightSpaces(core::CutTo(lines.at(a)[l], kTrackWidth)) + " o " +
                           core::CutTo(lines.at(b)[l], kTrackWidth);
      c.Fit(joined, kJoinedTrackWidth, where, sourceLines.at(a),
            std::string(kLangDirs[l]) + " joined tracks " + std::to_string(a) + " and " + std::to_string(b));
    }
  }
}

using TextLines = std::map<int, std::array<std::string, 4>>;  // itinerar line -> its four texts

// Lines 1-13: the itinerary names. False when the source cannot be read.
bool ReadItineraryNames(const Context& c, TextLines& lines) {
  auto names = c.Read(kDir + "itineraries.tsv");
  if (!names) return false;
  std::map<std::string, int> starts;  // the ESO results find an itinerary by its first 20 characters
  int n = 0;
  for (const Row& row : names->rows()) {
    ++n;
    if (names->Int(row, "n", c.log) != n)
      names->Error(row, "row " + std::to_string(n) + " must be itinerary " + std::to_string(n), c.log);
    if (n > kEsoItineraries) {
      names->Error(row, "there are " + std::to_string(kEsoItineraries) + " itineraries", c.log);
      break;
    }
    auto texts = names->Texts(row, "name", c.log);
    RequireTexts(*names, row, texts, c.log);
    FitAll(c, texts, kItineraryNameWidth, names->name(), row.line, "name");
    for (std::size_t l = 0; l < 4; ++l) {
      std::string start = std::string(kLangDirs[l]) + ":" +
                          core::PadToWidth(texts[l], kItineraryStart + 1).substr(0, kItineraryStart);
      if (!starts.emplace(start, n).second)
        names->Error(row, std::string("the ") + kLangDirs[l] + " name starts with the same " +
                              std::to_string(kItineraryStart) + " characters as itinerary " +
                              std::to_string(starts[start]),
                     c.log);
    }
    lines[n] = texts;
  }
  if (n < kEsoItineraries)
    c.log.Error(names->name(), 0, std::to_string(n) + " itineraries; the questionnaires need " +
                                      std::to_string(kEsoItineraries));
  return true;
}

// Lines 21-27 and 30-52: the fixed texts of the ESO report, each at the line its role has.
bool ReadReportTexts(const Context& c, const std::map<std::string, int>& areas, TextLines& lines) {
  auto report = c.Read(kDir + "eso-report.tsv");
  if (!report) return false;
  std::map<int, int> sourceLines;
  for (const Row& row : report->rows()) {
    int line = report->Int(row, "line", c.log);
    std::string role = core::TrimBlanks(report->Utf8(row, "role", c.log));
    std::string expected = ReportRole(line, areas);
    if (expected.empty()) {
      report->Error(row, "line " + std::to_string(line) + " of itinerar is not a text of the ESO report", c.log);
      continue;
    }
    if (role != expected)
      report->Error(row, "line " + std::to_string(line) + " is \"" + expected + "\", the row says \"" + role + "\"",
                    c.log);
    if (sourceLines.count(line)) {
      report->Error(row, "line " + std::to_string(line) + " is given twice", c.log);
      continue;
    }
    auto texts = report->Texts(row, "text", c.log);
    RequireTexts(*report, row, texts, c.log);
    FitAll(c, texts, role == "track" || role == "title" ? kTrackWidth : kReportWidth, report->name(), row.line,
           "text");
    lines[line] = texts;
    sourceLines[line] = row.line;
  }
  for (int line = 21; line <= kItinerarLines; ++line)
    if (!ReportRole(line, areas).empty() && !sourceLines.count(line))
      c.log.Error(report->name(), 0, "line " + std::to_string(line) + " (" + ReportRole(line, areas) +
                                         ") of the ESO report is missing");
  FitJoinedTracks(c, lines, sourceLines, report->name());
  return true;
}

bool CompileItineraries(const Context& c, const std::map<std::string, int>& areas) {
  TextLines lines;
  bool read = ReadItineraryNames(c, lines);
  read = ReadReportTexts(c, areas, lines) && read;
  if (!read) return false;
  LangFile out;
  for (int n = 1; n <= kItinerarLines; ++n) {
    auto it = lines.find(n);
    out.Add(it != lines.end() ? it->second : std::array<std::string, 4>{});
  }
  return c.WriteLang("itinerar", out);
}

int Digit(const Source& s, const Row& row, const std::string& column, std::initializer_list<int> allowed,
          const std::string& meaning, Log& log) {
  int v = s.Int(row, column, log, -1);
  if (std::find(allowed.begin(), allowed.end(), v) == allowed.end()) {
    std::string list;
    for (int a : allowed) list += (list.empty() ? "" : ", ") + std::to_string(a);
    s.Error(row, column + " must be " + list + " (" + meaning + ")", log);
    return -1;
  }
  return v;
}

// A question whose best answer cannot reach its weight's maximum, or whose
// best answer scores nothing, would distort every mark.
void CheckScoring(const Source& s, const Row& row, int weight, int answers, Log& log) {
  if (weight < 0 || answers < 0) return;
  bool light = weight <= 5;
  if (light && answers == 5)
    s.Error(row, "in weight class " + std::to_string(weight) +
                     " the fifth answer scores nothing; use 3 or 4 answer levels, yes/no, or weight 8 or 9",
            log);
  if (!light && (answers == 3 || answers == 4))
    s.Error(row, "in weight class " + std::to_string(weight) +
                     " four answer levels never reach the maximum; use 5 levels or yes/no",
            log);
}

bool CompileQuestions(const Context& c, const std::map<std::string, int>& areas) {
  auto s = c.Read(kDir + "cuestion.tsv");
  if (!s) return false;
  LangFile questions;
  Matrix rows(kEsoRows);
  std::set<int> areasInFirstPart;
  int q = 0;
  for (const Row& row : s->rows()) {
    ++q;
    int part = s->Int(row, "part", c.log);
    int expected = q <= kFirstPartQuestions ? 1 : 2;
    if (part != expected)
      s->Error(row, "question " + std::to_string(q) + " belongs to part " + std::to_string(expected) +
                        " (the first " + std::to_string(kFirstPartQuestions) + " questions are part 1)",
               c.log);
    int weight = Digit(*s, row, "weight", {2, 3, 4, 5, 8, 9}, "weight class", c.log);
    int answers = Digit(*s, row, "answers", {2, 3, 4, 5}, "2 yes/no, 3 frequency, 4 or 5 levels", c.log);
    CheckScoring(*s, row, weight, answers, c.log);
    auto texts = s->Texts(row, "text", c.log);
    RequireTexts(*s, row, texts, c.log);
    FitAll(c, texts, kQuestionWidth, s->name(), row.line, "question");
    std::string digits = std::to_string(std::max(weight, 0)) + std::to_string(std::max(answers, 0));
    std::array<std::string, 4> linesOut;
    for (std::size_t l = 0; l < 4; ++l) linesOut[l] = digits + texts[l];
    questions.Add(linesOut);
    for (int j : NumberList(*s, row, "itineraries", kEsoItineraries, c.log))
      rows.Add(static_cast<std::size_t>(j), q, *s, row, c.log);
    for (const std::string& key : s->List(row, "areas", c.log)) {
      auto it = areas.find(key);
      if (it == areas.end()) {
        s->Error(row, "unknown skill area \"" + key + "\"", c.log);
        continue;
      }
      rows.Add(static_cast<std::size_t>(it->second), q, *s, row, c.log);
      if (q <= kFirstPartQuestions) areasInFirstPart.insert(it->second);
    }
  }
  if (q < kFirstPartQuestions)
    c.log.Error(s->name(), 0, std::to_string(q) + " questions; the short questionnaire asks the first " +
                                  std::to_string(kFirstPartQuestions));
  if (q > 255) c.log.Error(s->name(), 0, "more than 255 questions: the matrix holds question numbers up to 255");
  for (int j = 1; j <= kEsoItineraries; ++j)
    if (rows.rows[static_cast<std::size_t>(j - 1)].empty())
      c.log.Error(s->name(), 0, "itinerary " + std::to_string(j) + " has no question");
  for (const auto& [key, row] : areas)
    if (!areasInFirstPart.count(row))
      c.log.Error(s->name(), 0, "skill area \"" + key + "\" has no question among the first " +
                                    std::to_string(kFirstPartQuestions) + ": the short results would divide by zero");
  bool ok = c.WriteLang("cuestion", questions);
  return c.WriteCommon("cuestioESO", rows.File()) && ok;
}

// The interest areas of the GM questionnaire: key -> row 1..11.
std::map<std::string, int> ReadGmAreas(const Context& c, LangFile& out) {
  std::map<std::string, int> areas;
  auto s = c.Read(kDir + "cuesgm-areas.tsv");
  if (!s) return areas;
  int n = 0;
  for (const Row& row : s->rows()) {
    ++n;
    if (n > kGmAreaLines) {
      s->Error(row, "the questionnaire shows " + std::to_string(kGmAreaLines) + " area rows", c.log);
      break;
    }
    std::string key = s->Utf8(row, "key", c.log);
    if (!IsKey(key)) s->Error(row, "\"" + key + "\" is not a key (lowercase letters, digits, -)", c.log);
    if (!areas.emplace(key, n).second) s->Error(row, "area \"" + key + "\" is defined twice", c.log);
    auto texts = s->Texts(row, "text", c.log);
    RequireTexts(*s, row, texts, c.log);
    FitAll(c, texts, kGmLineWidth, s->name(), row.line, "area");
    out.Add(texts);
  }
  if (n < kGmAreaLines)
    c.log.Error(s->name(), 0, std::to_string(n) + " area rows; the questionnaire shows " +
                                  std::to_string(kGmAreaLines) + " (the last leaves for the search by place)");
  return areas;
}

bool CompileGmStatements(const Context& c) {
  LangFile out;
  auto areas = ReadGmAreas(c, out);
  auto s = c.Read(kDir + "cuesgm.tsv");
  if (!s || areas.size() != static_cast<std::size_t>(kGmAreaLines)) return false;
  std::set<int> used;
  int n = 0;
  for (const Row& row : s->rows()) {
    ++n;
    std::string key = s->Utf8(row, "key", c.log);
    if (!IsKey(key)) s->Error(row, "\"" + key + "\" is not a key (lowercase letters, digits, -)", c.log);
    c.keys.Define("statement", key, n, s->name(), row.line, c.log);
    std::vector<int> rowsOf;
    for (const std::string& area : s->List(row, "areas", c.log)) {
      auto it = areas.find(area);
      if (it == areas.end()) s->Error(row, "unknown area \"" + area + "\"", c.log);
      else if (it->second == kGmAreaLines) s->Error(row, "the last area row takes no statements", c.log);
      else if (std::find(rowsOf.begin(), rowsOf.end(), it->second) != rowsOf.end())
        s->Error(row, "area \"" + area + "\" is given twice", c.log);
      else rowsOf.push_back(it->second);
    }
    if (rowsOf.empty() || rowsOf.size() > 2) s->Error(row, "a statement belongs to one or two areas", c.log);
    if (rowsOf.size() == 2 && rowsOf[1] == 10)
      s->Error(row, "area row 10 is written as the digit 0, which means none in second place: name it first", c.log);
    for (int r : rowsOf) used.insert(r);
    std::string digits;
    for (std::size_t i = 0; i < 2; ++i) digits += i < rowsOf.size() ? char('0' + rowsOf[i] % 10) : '0';
    auto texts = s->Texts(row, "text", c.log);
    RequireTexts(*s, row, texts, c.log);
    FitAll(c, texts, kStatementWidth, s->name(), row.line, "statement");
    std::array<std::string, 4> lines;
    for (std::size_t l = 0; l < 4; ++l) lines[l] = digits + texts[l];
    out.Add(lines);
  }
  if (n == 0) c.log.Error(s->name(), 0, "no statements");
  for (const auto& [key, r] : areas)
    if (r < kGmAreaLines && !used.count(r))
      c.log.Error(s->name(), 0, "area \"" + key + "\" has no statement: choosing it would list nothing");
  return c.WriteLang("cuesgm", out);
}

}  // namespace

bool CompileQuestionnaires(const Context& c) {
  bool ok = CompileItemList(c, "cualidad.tsv", "cualidad", "cuestiocua", true);
  ok = CompileItemList(c, "interes.tsv", "interes", "cuestioint", false) && ok;
  auto areas = ReadSkillAreas(c);
  ok = CompileItineraries(c, areas) && ok;
  ok = CompileQuestions(c, areas) && ok;
  ok = CompileGmStatements(c) && ok;
  return ok;
}

}  // namespace mkdata
