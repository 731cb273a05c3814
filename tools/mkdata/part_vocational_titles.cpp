// The title files of the three levels (fp, fp2, fpba), their subject blocks
// (asignafp, asignagm, asignaba) and relation rows (datfpsphp, datfpmphp),
// from data/src/vocational/titles_gs.tsv, titles_gm.tsv and titles_fpb.tsv.
// The title number of a title is its line in the file, headers included, so
// every number here comes from the row order.
#include <filesystem>

#include "core/text.h"
#include "part_vocational.h"

namespace mkdata::vocational {
namespace {

constexpr std::size_t kItineraries = 4, kRequirements = 13, kStatements = 3;
constexpr int kLastItinerary = 13;
constexpr int kArtsItinerary = 12;  // music and performing arts: degrees only

bool IsKey(const std::string& key) {
  if (key.empty() || key.front() == '-' || key.back() == '-') return false;
  for (char ch : key)
    if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-')) return false;
  return true;
}

// A column that only some rows (or some levels) may fill.
void MustBeEmpty(const Context& c, const Source& s, const Row& row, const std::string& column, const std::string& why) {
  if (!s.Has(column)) return;
  if (!s.List(row, column, c.log).empty()) s.Error(row, "column " + column + " must be empty " + why, c.log);
}

std::vector<int> Itineraries(const Context& c, const Source& s, const Row& row) {
  std::vector<int> numbers;
  for (const std::string& item : s.List(row, "itineraries", c.log)) {
    int n = 0;
    if (!core::ParseInt(item, n) || n < 1 || n > kLastItinerary || n == kArtsItinerary)
      s.Error(row, "itinerary \"" + item + "\" is not 1-11 or 13", c.log);
    else numbers.push_back(n);
  }
  if (numbers.size() > kItineraries) s.Error(row, "more than 4 itineraries", c.log);
  return numbers;
}

std::vector<int> Resolved(const Context& c, const Source& s, const Row& row, const std::string& column,
                          const std::string& kind, std::size_t most) {
  std::vector<int> numbers;
  for (const std::string& key : s.List(row, column, c.log))
    numbers.push_back(c.keys.Resolve(kind, key, s.name(), row.line, c.log));
  if (numbers.size() > most) s.Error(row, "more than " + std::to_string(most) + " " + column, c.log);
  return numbers;
}

// The " | "-separated lines of a translated column, at most `most` of them.
std::array<std::vector<std::string>, 4> BlockLines(const Context& c, const Source& s, const Row& row,
                                                   const std::string& column, std::size_t most) {
  std::array<std::vector<std::string>, 4> lines;
  for (std::size_t l = 0; l < 4; ++l) {
    const std::string col = column + kLangSuffix[l];
    lines[l] = SplitLines(s.Text(row, col, c.log));
    if (lines[l].size() > most)
      s.Error(row, col + " has " + std::to_string(lines[l].size()) + " lines; a block holds " + std::to_string(most),
              c.log);
    for (const std::string& text : lines[l]) c.Fit(text, kWidth, s.name(), row.line, "a line of " + col);
  }
  return lines;
}

TitleLine ReadHeader(const Context& c, const Source& s, const Row& row) {
  TitleLine line;
  line.header = true;
  const std::string mark = s.Utf8(row, "mark", c.log);
  if (mark == "|" || mark == "!") line.mark = mark[0];
  else if (!mark.empty()) s.Error(row, "mark \"" + mark + "\" is neither empty, | nor !", c.log);
  if (!s.Utf8(row, "key", c.log).empty()) s.Error(row, "a family header has no key", c.log);
  line.family = s.Int(row, "family", c.log, 0);
  if (line.family < 0 || line.family > kFamilies) s.Error(row, "family " + std::to_string(line.family) + " is not 1-26", c.log);
  for (const char* column : {"itineraries", "requirements", "professions", "statements"})
    MustBeEmpty(c, s, row, column, "on a family header");
  return line;
}

TitleLine ReadTitle(const Context& c, const Source& s, const Row& row, const Level& level, int number) {
  TitleLine line;
  const std::string key = s.Utf8(row, "key", c.log);
  if (!IsKey(key)) s.Error(row, "key \"" + key + "\" is not lowercase ASCII words joined by -", c.log);
  else c.keys.Define(level.keyKind, key, number, s.name(), row.line, c.log);
  if (!s.Utf8(row, "mark", c.log).empty()) s.Error(row, "only a family header has a mark", c.log);
  line.family = s.Int(row, "family", c.log, 0);
  if (line.family < 1 || line.family > kFamilies) s.Error(row, "a title needs its family 1-26", c.log);
  if (level.itineraries) line.itineraries = Itineraries(c, s, row);
  else MustBeEmpty(c, s, row, "itineraries", std::string("in ") + level.source);
  if (level.requirements) line.requirements = Resolved(c, s, row, "requirements", "requirement", kRequirements);
  else MustBeEmpty(c, s, row, "requirements", std::string("in ") + level.source);
  if (level.professions) line.professions = Resolved(c, s, row, "professions", "profession", level.professions);
  else MustBeEmpty(c, s, row, "professions", std::string("in ") + level.source);
  if (level.statements) line.statements = Resolved(c, s, row, "statements", "statement", kStatements);
  else MustBeEmpty(c, s, row, "statements", std::string("in ") + level.source);
  line.occupations = BlockLines(c, s, row, "occupations", kOccupationLines);
  line.modules = BlockLines(c, s, row, "modules", kModuleLines);
  return line;
}

// The runtime text of a line: "-" and the mark before a family name.
std::string Shown(const TitleLine& line, std::size_t l) {
  if (!line.header) return line.name[l];
  return "-" + (line.mark ? std::string(1, line.mark) : std::string()) + line.name[l];
}

std::vector<TitleLine> ReadLines(const Context& c, const Source& s, const Level& level) {
  std::vector<TitleLine> lines;
  int currentFamily = -1;  // family of the last header; -1 before the first
  for (const Row& row : s.rows()) {
    const int number = static_cast<int>(lines.size()) + 1;
    const std::string kind = s.Utf8(row, "kind", c.log);
    TitleLine line;
    if (kind == "F") {
      line = ReadHeader(c, s, row);
      currentFamily = line.family;
    } else if (kind == "T") {
      line = ReadTitle(c, s, row, level, number);
      if (currentFamily < 0) s.Error(row, "a title before the first family header belongs to no family", c.log);
      else if (currentFamily > 0 && line.family >= 1 && line.family <= kFamilies && line.family != currentFamily)
        s.Error(row, "family " + std::to_string(line.family) + " under the header of family " +
                         std::to_string(currentFamily), c.log);
    } else {
      s.Error(row, "kind \"" + kind + "\" is neither F (family header) nor T (title)", c.log);
      continue;
    }
    line.sourceLine = row.line;
    line.name = s.Texts(row, "name", c.log);
    for (std::size_t l = 0; l < 4; ++l) {
      if (line.name[l].empty()) s.Error(row, std::string("empty name") + kLangSuffix[l], c.log);
      c.Fit(Shown(line, l), kWidth, s.name(), row.line, std::string("the line of name") + kLangSuffix[l]);
    }
    if (lines.size() == level.capacity)
      s.Error(row, std::string(level.titles) + " holds at most " + std::to_string(level.capacity) + " lines", c.log);
    lines.push_back(line);
  }
  return lines;
}

// Without a source the screens still start: one empty header per family.
std::vector<TitleLine> BareHeaders(const FamilyNames& families) {
  std::vector<TitleLine> lines;
  for (std::size_t f = 0; f < families.size(); ++f) {
    TitleLine line;
    line.header = true;
    line.family = static_cast<int>(f) + 1;
    line.name = families[f];
    lines.push_back(line);
  }
  return lines;
}

void CheckHeaders(const Context& c, const std::string& where, TitleFile& file) {
  for (const TitleLine& line : file.lines) {
    if (!line.header) continue;
    if (line.family > 0 && file.IndexOf(line.family) > 0)
      c.log.Error(where, line.sourceLine, "family " + std::to_string(line.family) + " has a second header");
    file.headerFamilies.push_back(line.family);
  }
}

// Block n belongs to line n: its name as heading, 5 occupation lines, 20 module lines.
LangFile Blocks(const TitleFile& file) {
  LangFile blocks;
  for (const TitleLine& line : file.lines) {
    std::array<std::string, 4> heading = line.name;
    blocks.Add(heading);
    for (std::size_t i = 0; i < kOccupationLines + kModuleLines; ++i) {
      std::array<std::string, 4> texts;
      for (std::size_t l = 0; l < 4; ++l) {
        const auto& list = i < kOccupationLines ? line.occupations[l] : line.modules[l];
        const std::size_t at = i < kOccupationLines ? i : i - kOccupationLines;
        texts[l] = at < list.size() ? list[at] : std::string();
      }
      blocks.Add(texts);
    }
  }
  return blocks;
}

void Append(std::vector<int>& row, const std::vector<int>& values, std::size_t fields) {
  for (std::size_t i = 0; i < fields; ++i) row.push_back(i < values.size() ? values[i] : 0);
}

// datfpsphp: itineraries (4), requirements (13), professions (6), family;
// datfpmphp: professions (3), family, statements (3). Headers are all zeros.
OutFile Relations(const TitleFile& file, const Level& level) {
  OutFile out;
  for (const TitleLine& line : file.lines) {
    std::vector<int> row;
    const int family = line.header ? 0 : line.family;
    if (level.itineraries) {
      Append(row, line.itineraries, kItineraries);
      Append(row, line.requirements, kRequirements);
      Append(row, line.professions, level.professions);
      row.push_back(family);
    } else {
      Append(row, line.professions, level.professions);
      row.push_back(family);
      Append(row, line.statements, kStatements);
    }
    out.Add(FixedRow(row, row.size()));
  }
  return out;
}

}  // namespace

TitleFile CompileTitles(const Context& c, const Level& level, const FamilyNames& families, bool required) {
  TitleFile file;
  const std::string relative = std::string("vocational/") + level.source;
  if (required || std::filesystem::exists(c.SourcePath(relative))) {
    auto source = c.Read(relative);
    if (!source) return file;
    file.fromSource = true;
    file.lines = ReadLines(c, *source, level);
  } else {
    file.lines = BareHeaders(families);
  }
  CheckHeaders(c, relative, file);

  LangFile titles;
  for (const TitleLine& line : file.lines) {
    std::array<std::string, 4> texts;
    for (std::size_t l = 0; l < 4; ++l) texts[l] = Shown(line, l);
    titles.Add(texts);
  }
  c.WriteLang(level.titles, titles);
  c.WriteLang(level.blocks, Blocks(file));
  if (level.relation) c.WriteCommon(level.relation, Relations(file, level));
  return file;
}

}  // namespace mkdata::vocational
