// activida, profesio, fracortas, fralargas, from data/src/professions/.
//
// The activities are named by their 4-character code, the professions and the
// short phrases by a key; the compiler turns keys into line numbers, so the
// phrase numbers of profesio and the profession numbers used by the degrees
// and vocational titles follow the row order of the sources.
#include <cctype>
#include <map>
#include <set>

#include "parts.h"

namespace mkdata {
namespace {

constexpr std::size_t kMaxActivities = 30, kMaxProfessions = 250, kMaxShort = 120, kMaxLong = 20;
constexpr std::size_t kActivityWidth = 60, kProfessionWidth = 40, kShortWidth = 60, kLongWidth = 115;
const std::string kNoCode = "    ";

// The professions screen links these lines of profesio to other studies
// whatever the data says, so the rows there must be the professions meant.
const std::map<int, std::string> kFixedLinks = {{32, "otros:7"},   {33, "otros:6"},     {35, "otros:5,8"},
                                                {36, "otros:6,9"}, {52, "oposiciones"}, {53, "empresa"}};

bool IsActivityCode(const std::string &code) {
  if (code.size() != 4) return false;
  for (char ch : code)
    if (!std::isupper(static_cast<unsigned char>(ch)) && !std::isdigit(static_cast<unsigned char>(ch))) return false;
  return true;
}

bool IsKey(const std::string &key) {
  if (key.empty()) return false;
  for (char ch : key)
    if (!std::islower(static_cast<unsigned char>(ch)) && !std::isdigit(static_cast<unsigned char>(ch)) && ch != '-')
      return false;
  return true;
}

void TooMany(const Source &s, std::size_t capacity, const Context &c) {
  if (s.rows().size() > capacity)
    s.Error(s.rows()[capacity], "more than " + std::to_string(capacity) + " rows (the program reads no more)", c.log);
}

// The four texts of a row, each checked to be written and to fit its place.
std::array<std::string, 4> ShownTexts(const Source &s, const Row &row, const std::string &column, std::size_t width,
                                      const Context &c) {
  std::array<std::string, 4> texts = s.Texts(row, column, c.log);
  for (std::size_t l = 0; l < 4; ++l) {
    const std::string what = std::string(kLangDirs[l]) + " " + column;
    if (texts[l].empty()) s.Error(row, what + " is empty", c.log);
    c.Fit(texts[l], width, s.name(), row.line, what);
  }
  return texts;
}

// An activity column: its code, or blank when optional and empty.
std::string ActivityCode(const Source &s, const Row &row, const std::string &column, bool required, const Context &c) {
  const std::string code = s.Utf8(row, column, c.log);
  if (code.empty()) {
    if (required) s.Error(row, column + " is empty", c.log);
    return kNoCode;
  }
  c.keys.Resolve("activity", code, s.name(), row.line, c.log);
  return code.size() == 4 ? code : kNoCode;
}

void Activities(const Source &s, const Context &c, LangFile &out) {
  int line = 0;
  for (const Row &row : s.rows()) {
    const std::string code = s.Utf8(row, "code", c.log);
    if (!IsActivityCode(code)) s.Error(row, "code \"" + code + "\" is not 4 capital letters or digits", c.log);
    c.keys.Define("activity", code, ++line, s.name(), row.line, c.log);
    std::array<std::string, 4> names = ShownTexts(s, row, "name", kActivityWidth, c);
    for (auto &name : names) name = Field(code, 4) + " " + Field(name, kActivityWidth);
    out.Add(names);
  }
  TooMany(s, kMaxActivities, c);
}

// Short phrases: "AAAA BBBB text".
void ShortPhrases(const Source &s, const Context &c, LangFile &out) {
  int line = 0;
  for (const Row &row : s.rows()) {
    const std::string key = s.Utf8(row, "key", c.log);
    if (!IsKey(key)) s.Error(row, "key \"" + key + "\" is not lowercase letters, digits and '-'", c.log);
    c.keys.Define("phrase", key, ++line, s.name(), row.line, c.log);
    const std::string a = ActivityCode(s, row, "act_a", true, c);
    const std::string b = ActivityCode(s, row, "act_b", false, c);
    if (a == b) s.Error(row, "act_b repeats act_a", c.log);
    std::array<std::string, 4> texts = ShownTexts(s, row, "text", kShortWidth, c);
    for (auto &text : texts) text = a + " " + b + " " + Field(text, kShortWidth);
    out.Add(texts);
  }
  TooMany(s, kMaxShort, c);
}

// The profession's phrase column as the 3-character number ("   " for none).
std::string PhraseNumber(const Source &s, const Row &row, const std::string &column, bool required, const Context &c) {
  const std::string key = s.Utf8(row, column, c.log);
  if (key.empty()) {
    if (required) s.Error(row, column + " is empty: the profession would never be suggested", c.log);
    return "   ";
  }
  return Number(c.keys.Resolve("phrase", key, s.name(), row.line, c.log), 3);
}

void FixedLink(const Source &s, const Row &row, int line, const Context &c) {
  const std::string given = s.Utf8(row, "fixed", c.log);
  auto it = kFixedLinks.find(line);
  const std::string wanted = it == kFixedLinks.end() ? "" : it->second;
  if (given == wanted) return;
  if (wanted.empty())
    s.Error(row, "fixed \"" + given + "\" belongs to another line: this row is profession " + std::to_string(line),
            c.log);
  else
    s.Error(row,
            "profession " + std::to_string(line) + " must be the one linked to \"" + wanted +
                "\" (column fixed); insert or move rows so that it stays at line " + std::to_string(line),
            c.log);
}

std::set<std::string> Professions(const Source &s, const Context &c, LangFile &out) {
  std::set<std::string> used;
  int line = 0;
  for (const Row &row : s.rows()) {
    const std::string key = s.Utf8(row, "key", c.log);
    if (!IsKey(key)) s.Error(row, "key \"" + key + "\" is not lowercase letters, digits and '-'", c.log);
    c.keys.Define("profession", key, ++line, s.name(), row.line, c.log);
    FixedLink(s, row, line, c);
    const std::string a1 = ActivityCode(s, row, "act1", true, c);
    const std::string a2 = ActivityCode(s, row, "act2", false, c);
    if (a1 == a2) s.Error(row, "act2 repeats act1", c.log);
    const std::string p1 = PhraseNumber(s, row, "phrase1", true, c);
    const std::string p2 = PhraseNumber(s, row, "phrase2", false, c);
    if (p1 == p2) s.Error(row, "phrase2 repeats phrase1", c.log);
    used.insert(s.Utf8(row, "phrase1", c.log));
    used.insert(s.Utf8(row, "phrase2", c.log));
    std::array<std::string, 4> names = ShownTexts(s, row, "name", kProfessionWidth, c);
    for (auto &name : names) name = a1 + " " + a2 + " " + Field(name, kProfessionWidth) + p1 + p2;
    out.Add(names);
  }
  TooMany(s, kMaxProfessions, c);
  return used;
}

// A phrase no profession names would never be shown.
void EveryPhraseUsed(const Source &phrases, const std::set<std::string> &used, const Context &c) {
  for (const Row &row : phrases.rows())
    if (!used.count(phrases.Utf8(row, "key", c.log)))
      phrases.Error(row,
                    "no profession names this phrase, so the questionnaire "
                    "never shows it",
                    c.log);
}

// Long phrases: the text in 115 characters, then four codes.
std::set<std::string> LongPhrases(const Source &s, const Context &c, LangFile &out) {
  std::set<std::string> asked;
  for (const Row &row : s.rows()) {
    std::vector<std::string> codes = s.List(row, "acts", c.log);
    if (codes.empty() || codes.size() > 4) s.Error(row, "acts must name 1 to 4 activities", c.log);
    std::string tail;
    for (std::size_t i = 0; i < 4; ++i) {
      std::string code = kNoCode;
      if (i < codes.size()) {
        c.keys.Resolve("activity", codes[i], s.name(), row.line, c.log);
        if (!asked.insert(codes[i]).second) s.Error(row, "activity " + codes[i] + " is asked twice", c.log);
        if (codes[i].size() == 4) code = codes[i];
      }
      tail += (i ? " " : "") + code;
    }
    std::array<std::string, 4> texts = ShownTexts(s, row, "text", kLongWidth, c);
    for (auto &text : texts) text = Field(text, kLongWidth) + tail;
    out.Add(texts);
  }
  TooMany(s, kMaxLong, c);
  return asked;
}

// An activity that no long phrase names can never be chosen.
void EveryActivityAsked(const Source &activities, const std::set<std::string> &asked, const Context &c) {
  for (const Row &row : activities.rows())
    if (!asked.count(activities.Utf8(row, "code", c.log)))
      activities.Error(row,
                       "no long phrase names this activity, so its professions "
                       "are never reached",
                       c.log);
}

}  // namespace

bool CompileProfessions(const Context &c) {
  const std::size_t errors = c.log.errors.size();
  auto activities = c.Read("professions/activida.tsv");
  auto shortPhrases = c.Read("professions/fracortas.tsv");
  auto professions = c.Read("professions/profesio.tsv");
  auto longPhrases = c.Read("professions/fralargas.tsv");
  if (!activities || !shortPhrases || !professions || !longPhrases) return false;

  LangFile activida, fracortas, profesio, fralargas;
  Activities(*activities, c, activida);
  ShortPhrases(*shortPhrases, c, fracortas);
  EveryPhraseUsed(*shortPhrases, Professions(*professions, c, profesio), c);
  EveryActivityAsked(*activities, LongPhrases(*longPhrases, c, fralargas), c);

  bool ok = c.WriteLang("activida", activida) && c.WriteLang("profesio", profesio);
  ok = c.WriteLang("fracortas", fracortas) && c.WriteLang("fralargas", fralargas) && ok;
  return ok && c.log.errors.size() == errors;
}

}  // namespace mkdata
