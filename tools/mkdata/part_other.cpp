// otros, asignaot and master.txt from data/src/other/ (the arts files are
// written by part_other_arts.cpp). The list of other studies and its subject
// groups are numbered by row order, so line k of otros and group k of
// asignaot always belong together.
#include <algorithm>
#include <vector>

#include "core/text.h"
#include "part_other.h"

namespace mkdata {
namespace other {

std::array<std::string, 4> Translated(const Source& source, const Row& row, const std::string& column, Log& log) {
  std::array<std::string, 4> texts = source.Texts(row, column, log);
  for (std::size_t l = 0; l < 4; ++l)
    if (core::TrimBlanks(texts[l]).empty())
      source.Error(row, std::string("no ") + kLanguageNames[l] + " text in " + column + kLangSuffix[l], log);
  return texts;
}

bool AllEmpty(const std::array<std::string, 4>& texts) {
  return std::all_of(texts.begin(), texts.end(), [](const std::string& t) { return core::TrimBlanks(t).empty(); });
}

bool IsKey(const std::string& key) {
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-';
  });
}

}  // namespace other

namespace {

using other::AllEmpty;
using other::Translated;

constexpr std::size_t kListWidth = 55;      // the other studies list is read 55 characters wide
constexpr std::size_t kSubjectWidth = 60;   // subject lines are 60-character slots
constexpr int kSubjectSlots = 50;           // lines of one subject group after its header
constexpr int kSubjectGroups = 50;          // groups the program holds, so at most 50 studies
constexpr int kSubjectFileLines = 2512;     // the most lines the subject reader accepts
constexpr std::size_t kBlankColumns = 16;   // two lines blank over these columns end a subject list

const std::string kOtherKind = "other study";

// How a row of the list is drawn and what a click on it does.
enum class Kind { Heading, Note, Study, Registry, Courses, Centres };

struct KindName {
  const char* name;
  Kind kind;
  const char* prefix;  // what the screen recognises the row by
  bool hasSubjects;    // a click shows its subject group
};
constexpr KindName kKinds[] = {
    {"heading", Kind::Heading, "- ", true},  {"note", Kind::Note, "   ", false},
    {"study", Kind::Study, "", true},        {"registry", Kind::Registry, "", false},
    {"courses", Kind::Courses, "  1 ", false}, {"centres", Kind::Centres, "  2 ", false}};

// Lines the program names by their number: a click on the third line opens the
// registry of education centres whatever it says; the professions
// questionnaire links professions to lines 5-9 and prints lines 49 and 50 for
// its two special answers. Moving these rows would silently change them.
struct FixedLine {
  int line;
  const char* key;
};
constexpr FixedLine kFixedLines[] = {{3, "registro-centros"},   {5, "ensenanzas-deportivas"},
                                     {6, "fuerzas-armadas"},    {7, "piloto-avion"},
                                     {8, "tecnico-deporte"},    {9, "policias"},
                                     {49, "oposiciones"},       {50, "formacion-empresa"}};

struct ListRow {
  Row row;
  std::string key;
  const KindName* kind = nullptr;
  std::array<std::string, 4> text;  // as written in otros, prefix included
};

const KindName* FindKind(const std::string& name) {
  for (const KindName& k : kKinds)
    if (name == k.name) return &k;
  return nullptr;
}

// A study's own text must not look like a heading, a note or a portal link.
bool LooksMarked(const std::string& text) {
  return !text.empty() && (text[0] == '-' || text[0] == ' ');
}

std::vector<ListRow> ReadOtherList(const Context& c, const Source& s) {
  std::vector<ListRow> list;
  for (const Row& row : s.rows()) {
    ListRow item{row, s.Utf8(row, "key", c.log), FindKind(s.Utf8(row, "kind", c.log)), {}};
    const int number = static_cast<int>(list.size()) + 1;
    if (!item.kind) {
      s.Error(row, "kind must be heading, note, study, registry, courses or centres", c.log);
      continue;
    }
    if (item.kind->hasSubjects && item.key.empty()) s.Error(row, "a " + std::string(item.kind->name) +
                                                                     " needs a key for its subject lines", c.log);
    if (!item.key.empty() && !other::IsKey(item.key))
      s.Error(row, "key \"" + item.key + "\" is not lowercase ASCII, digits and '-'", c.log);
    if (item.kind->kind == Kind::Registry && number != 3)
      s.Error(row, "the registry link must be the third row: the program opens it from line 3", c.log);
    if (item.kind->kind != Kind::Registry && number == 3)
      s.Error(row, "the third row must be the registry link (kind registry): a click on line 3 opens it", c.log);
    std::array<std::string, 4> texts = Translated(s, row, "text", c.log);
    for (std::size_t l = 0; l < 4; ++l) {
      if (item.kind->kind == Kind::Study && LooksMarked(texts[l]))
        s.Error(row, std::string("the ") + other::kLanguageNames[l] +
                         " text starts with '-' or a space: the list would draw it as a heading or a note",
                c.log);
      item.text[l] = item.kind->prefix + texts[l];
      c.Fit(item.text[l], kListWidth, s.name(), row.line, std::string(kLangDirs[l]) + " line");
    }
    if (!item.key.empty()) c.keys.Define(kOtherKind, item.key, number, s.name(), row.line, c.log);
    list.push_back(std::move(item));
  }
  if (list.size() > static_cast<std::size_t>(kSubjectGroups))
    s.Error(list[kSubjectGroups].row,
            "more than " + std::to_string(kSubjectGroups) + " rows: the program holds 50 subject groups", c.log);
  return list;
}

void CheckFixedLines(const Context& c, const Source& s, const std::vector<ListRow>& list) {
  for (const FixedLine& fixed : kFixedLines) {
    if (static_cast<std::size_t>(fixed.line) > list.size()) {
      c.log.Error(s.name(), 0, "row " + std::to_string(fixed.line) + " (" + fixed.key + ") is missing");
      continue;
    }
    const ListRow& item = list[static_cast<std::size_t>(fixed.line - 1)];
    if (item.key != fixed.key)
      s.Error(item.row, "row " + std::to_string(fixed.line) + " must be \"" + fixed.key +
                            "\": the program refers to this line by its number", c.log);
  }
}

using Group = std::vector<std::array<std::string, 4>>;

bool BlankStart(const std::string& text) {
  std::string start = Field(text, kBlankColumns);
  return start.find_first_not_of(' ') == std::string::npos;
}

// Subject lines by study, in source order; each group's list must end where
// the screen ends it.
std::vector<Group> ReadSubjects(const Context& c, const Source& s, const std::vector<ListRow>& list) {
  std::vector<Group> groups(list.size());
  std::vector<int> blankRun(list.size(), 0);
  for (const Row& row : s.rows()) {
    const int number = c.keys.Resolve(kOtherKind, s.Utf8(row, "study", c.log), s.name(), row.line, c.log);
    if (number < 1 || number > static_cast<int>(list.size())) continue;
    const std::size_t g = static_cast<std::size_t>(number - 1);
    if (!list[g].kind->hasSubjects) {
      s.Error(row, "line " + std::to_string(number) + " is a " + list[g].kind->name +
                       ": a click on it shows no subjects, so these lines would never be seen", c.log);
      continue;
    }
    std::array<std::string, 4> texts = s.Texts(row, "text", c.log);
    const bool blank = AllEmpty(texts);
    if (!blank) texts = Translated(s, row, "text", c.log);
    for (std::size_t l = 0; l < 4 && !blank; ++l) {
      if (BlankStart(texts[l]))
        s.Error(row, std::string("the ") + other::kLanguageNames[l] +
                         " text starts with 16 spaces: the screen takes such a line as blank", c.log);
      c.Fit(texts[l], kSubjectWidth, s.name(), row.line, std::string(kLangDirs[l]) + " subject line");
    }
    blankRun[g] = blank ? blankRun[g] + 1 : 0;
    if (blankRun[g] == 2)
      s.Error(row, "a second blank line in a row ends the list here: the lines after it would never be seen", c.log);
    if (groups[g].size() == static_cast<std::size_t>(kSubjectSlots)) {
      s.Error(row, "more than 50 subject lines for line " + std::to_string(number), c.log);
      continue;
    }
    groups[g].push_back(texts);
  }
  for (std::size_t g = 0; g < list.size(); ++g)
    if (list[g].kind->kind == Kind::Study && groups[g].empty())
      s.Error(list[g].row, "the study \"" + list[g].key + "\" has no subject lines in other/asignaot.tsv", c.log);
  return groups;
}

// Group k: a header line (the reader skips it; it names the study for a
// reader of the file), the subject lines, then blank lines up to 50. The
// last group ends with the pair of blank lines that closes its list, so the
// file stays within the lines the reader accepts.
LangFile SubjectFile(const Context& c, const Source& s, const std::vector<ListRow>& list,
                     const std::vector<Group>& groups) {
  LangFile file;
  const std::string blank = Field("", kSubjectWidth);
  for (std::size_t g = 0; g < groups.size(); ++g) {
    std::array<std::string, 4> header;
    for (std::size_t l = 0; l < 4; ++l)
      header[l] = Field(Number(static_cast<int>(g) + 1, 2) + " " + core::TrimBlanks(list[g].text[l]), kSubjectWidth);
    file.Add(header);
    for (const auto& texts : groups[g]) {
      std::array<std::string, 4> line;
      for (std::size_t l = 0; l < 4; ++l) line[l] = Field(texts[l], kSubjectWidth);
      file.Add(line);
    }
    const bool last = g + 1 == groups.size();
    const std::size_t filled = groups[g].size();
    const std::size_t pad = last ? std::min<std::size_t>(2, kSubjectSlots - filled) : kSubjectSlots - filled;
    for (std::size_t i = 0; i < pad; ++i) file.AddAll(blank);
  }
  const std::size_t lines = file.language[0].lines.size();
  if (lines > static_cast<std::size_t>(kSubjectFileLines))
    s.Error(list.back().row,
            "asignaot would have " + std::to_string(lines) + " lines, more than the " +
                std::to_string(kSubjectFileLines) + " the program reads: shorten the last group", c.log);
  return file;
}

bool CompileList(const Context& c) {
  auto listSource = c.Read("other/otros.tsv");
  auto subjectSource = c.Read("other/asignaot.tsv");
  if (!listSource || !subjectSource) return false;
  const std::size_t errors = c.log.errors.size();
  std::vector<ListRow> list = ReadOtherList(c, *listSource);
  CheckFixedLines(c, *listSource, list);
  std::vector<Group> groups = ReadSubjects(c, *subjectSource, list);
  LangFile otros;
  for (const ListRow& item : list) {
    std::array<std::string, 4> line;
    for (std::size_t l = 0; l < 4; ++l) line[l] = Field(item.text[l], kListWidth);
    otros.Add(line);
  }
  LangFile asignaot = SubjectFile(c, *subjectSource, list, groups);
  if (c.log.errors.size() != errors) return false;
  return c.WriteLang("otros", otros) && c.WriteLang("asignaot", asignaot);
}

// master.txt: "- " headings, "* " bullets (the text starts at column 3) and
// plain paragraphs, which must not start with either mark.
bool CompileMasters(const Context& c) {
  auto s = c.Read("other/master.tsv");
  if (!s) return false;
  const std::size_t errors = c.log.errors.size();
  LangFile file;
  for (const Row& row : s->rows()) {
    const std::string kind = s->Utf8(row, "kind", c.log);
    std::string prefix;
    if (kind == "heading") prefix = "- ";
    else if (kind == "bullet") prefix = "* ";
    else if (kind != "text") s->Error(row, "kind must be heading, bullet or text", c.log);
    std::array<std::string, 4> texts = s->Texts(row, "text", c.log);
    if (kind != "text" || !AllEmpty(texts)) texts = Translated(*s, row, "text", c.log);
    for (std::size_t l = 0; l < 4; ++l) {
      if (kind == "text" && !texts[l].empty() && (texts[l][0] == '-' || texts[l][0] == '*'))
        s->Error(row, std::string("the ") + other::kLanguageNames[l] +
                          " paragraph starts with '-' or '*': it would be shown as a heading or a bullet", c.log);
      texts[l] = prefix + texts[l];
    }
    file.Add(texts);
  }
  if (c.log.errors.size() != errors) return false;
  return c.WriteLang("master.txt", file);
}

}  // namespace

bool CompileOtherStudies(const Context& c) {
  bool ok = CompileList(c);
  ok = CompileMasters(c) && ok;
  return other::CompileArtsStudies(c) && ok;
}

}  // namespace mkdata
