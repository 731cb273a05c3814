// The four arts files (artesplas, musica, danza, dramatico) from
// data/src/other/arts-*.tsv. Each file is a description, an "f1" line, the
// specialities, an "f2" line and the places; the screen keeps only the first
// 60 characters of a line, so the columns below all lie within them.
#include <map>
#include <vector>

#include "core/text.h"
#include "part_other.h"

namespace mkdata::other {
namespace {

constexpr std::size_t kArtsWidth = 60;     // the arts lines are 60-character slots
constexpr int kArtsLines = 1100;           // the shared list they are read into
constexpr int kPlasticSpecialities = 17;   // the plastic-arts screen lists exactly 17
constexpr int kDramaSpecialities = 7;      // one digit 1..7 each
constexpr int kMaxPlasticCodes = 5;        // columns 35-44 of a centre line
constexpr std::size_t kPlasticName = 22;   // columns 3-24
constexpr std::size_t kDramaName = 24;     // columns 2-25, after the '-'
constexpr std::size_t kPhone = 9;

const char* const kArtsFiles[] = {"artesplas", "musica", "danza", "dramatico"};

using Texts4 = std::array<std::string, 4>;
using Lines = std::vector<Texts4>;

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

bool IsPhone(const std::string& phone) {
  return phone.empty() ||
         (phone.size() == kPhone && phone.find_first_not_of("0123456789") == std::string::npos);
}

bool IsWeb(const std::string& web) { return web.rfind("http://", 0) == 0 || web.rfind("https://", 0) == 0; }

// Columns 1-2 a number: the screen would take the line for a centre or a region.
bool StartsWithNumber(const std::string& text) {
  int value = 0;
  return text.size() >= 2 && core::ParseInt(text.substr(0, 2), value);
}

// The arts files are read into one list of 1100 lines.
bool WriteArts(const Context& c, const std::string& name, const LangFile& file) {
  if (file.language[0].lines.size() > static_cast<std::size_t>(kArtsLines))
    c.log.Error("other/", 0, name + " would have " + std::to_string(file.language[0].lines.size()) +
                                 " lines; the screen holds 1100");
  return c.WriteLang(name, file);
}

// A text that the screen would take for a section marker.
bool LooksLikeMarker(const std::string& text) { return text.rfind("f1", 0) == 0 || text.rfind("f2", 0) == 0; }

struct ArtsTexts {
  std::map<std::string, std::map<std::string, Lines>> sections;  // file -> section -> lines
};

// Free lines of every arts file: description, specialities and (dance, and
// the caption after "f2" of plastic arts) places. An empty row is a blank line.
ArtsTexts ReadArtsTexts(const Context& c, const Source& s) {
  ArtsTexts texts;
  for (const Row& row : s.rows()) {
    const std::string file = s.Utf8(row, "file", c.log), section = s.Utf8(row, "section", c.log);
    bool knownFile = false;
    for (const char* name : kArtsFiles) knownFile = knownFile || file == name;
    if (!knownFile) s.Error(row, "file must be artesplas, musica, danza or dramatico", c.log);
    if (section != "description" && section != "specialities" && section != "places")
      s.Error(row, "section must be description, specialities or places", c.log);
    Texts4 t = s.Texts(row, "text", c.log);
    if (!AllEmpty(t)) t = Translated(s, row, "text", c.log);
    for (std::size_t l = 0; l < 4; ++l) {
      if (LooksLikeMarker(t[l]))
        s.Error(row, std::string("the ") + kLanguageNames[l] + " text starts with f1 or f2, a section marker", c.log);
      c.Fit(t[l], kArtsWidth, s.name(), row.line, std::string(kLangDirs[l]) + " line");
    }
    texts.sections[file][section].push_back(t);
  }
  return texts;
}

// Region names for the headings of the place lists (records 1-19 of comunida).
std::map<int, Texts4> ReadRegions(const Context& c, const Source& s) {
  std::map<int, Texts4> regions;
  for (const Row& row : s.rows()) {
    const int r = s.Int(row, "region", c.log);
    if (r < 1 || r > 19) s.Error(row, "region must be 1 to 19", c.log);
    else if (!regions.emplace(r, Translated(s, row, "name", c.log)).second)
      s.Error(row, "region " + std::to_string(r) + " is given twice", c.log);
  }
  return regions;
}

// The region of a centre row: 1..19, named in the region table, and in
// region order, because the lists head each run of a region once.
int CentreRegion(const Context& c, const Source& s, const Row& row, const std::map<int, Texts4>& regions,
                 int& previous) {
  const int r = s.Int(row, "region", c.log);
  if (!regions.count(r)) {
    s.Error(row, "region " + std::to_string(r) + " is not in other/arts-regions.tsv", c.log);
    return 0;
  }
  if (r < previous) s.Error(row, "centres must be in region order (region " + std::to_string(r) +
                                     " after region " + std::to_string(previous) + ")", c.log);
  previous = r;
  return r;
}

void AddSection(LangFile& file, const Lines& lines) {
  for (const Texts4& t : lines) file.Add(t);
}

void RequireSection(const Context& c, const ArtsTexts& texts, const std::string& file, const std::string& section) {
  auto f = texts.sections.find(file);
  if (f == texts.sections.end() || !f->second.count(section) || f->second.at(section).empty())
    c.log.Error("other/arts-texts.tsv", 0, file + " has no " + section + " lines");
}

const Lines& Section(const ArtsTexts& texts, const std::string& file, const std::string& section) {
  static const Lines none;
  auto f = texts.sections.find(file);
  if (f == texts.sections.end()) return none;
  auto it = f->second.find(section);
  return it == f->second.end() ? none : it->second;
}

// Speciality rows of plastic arts or drama: key -> its code.
std::map<std::string, int> DefineSpecialities(const Context& c, const Source& s, const std::string& kind,
                                              int firstCode, Lines& names) {
  std::map<std::string, int> codes;
  for (const Row& row : s.rows()) {
    const std::string key = s.Utf8(row, "key", c.log);
    if (!IsKey(key)) s.Error(row, "key \"" + key + "\" is not lowercase ASCII, digits and '-'", c.log);
    const int code = firstCode + static_cast<int>(names.size());
    c.keys.Define(kind, key, code, s.name(), row.line, c.log);
    codes[key] = code;
    names.push_back(Translated(s, row, "name", c.log));
  }
  return codes;
}

// artesplas: 17 speciality lines after "f1" (code in columns 1-2, name from
// column 3), "f2", a caption, then pairs of lines: the centre (region 1-2,
// name 3-24, telephone 25-33, up to five two-digit speciality codes from
// column 35) and its address.
bool CompilePlastic(const Context& c, const ArtsTexts& texts, const std::map<int, Texts4>& regions) {
  auto specialities = c.Read("other/arts-plastic-specialities.tsv");
  auto centres = c.Read("other/arts-plastic-centres.tsv");
  if (!specialities || !centres) return false;
  RequireSection(c, texts, "artesplas", "description");
  const Lines& caption = Section(texts, "artesplas", "places");
  if (caption.size() != 1)
    c.log.Error("other/arts-texts.tsv", 0, "artesplas needs exactly one places line: the caption after f2");
  if (!Section(texts, "artesplas", "specialities").empty())
    c.log.Error("other/arts-texts.tsv", 0,
                "artesplas specialities come from other/arts-plastic-specialities.tsv, not from free lines");
  Lines names;
  DefineSpecialities(c, *specialities, "plastic-arts speciality", 0, names);
  if (names.size() != static_cast<std::size_t>(kPlasticSpecialities))
    c.log.Error(specialities->name(), 0, std::to_string(names.size()) + " specialities; the screen lists exactly 17");

  LangFile file;
  AddSection(file, Section(texts, "artesplas", "description"));
  file.AddAll("f1");
  for (std::size_t i = 0; i < names.size(); ++i) {
    Texts4 line;
    for (std::size_t l = 0; l < 4; ++l) {
      line[l] = TwoDigits(static_cast<int>(i)) + names[i][l];
      c.Fit(line[l], kArtsWidth, specialities->name(), specialities->rows()[i].line, "speciality line");
    }
    file.Add(line);
  }
  file.AddAll("f2");
  for (const Texts4& t : caption) {
    for (const std::string& text : t)
      if (StartsWithNumber(text))
        c.log.Error("other/arts-texts.tsv", 0, "the artesplas caption must not start with a number");
    file.Add(t);
  }
  int previous = 0;
  for (const Row& row : centres->rows()) {
    const int region = CentreRegion(c, *centres, row, regions, previous);
    const std::string name = centres->Text(row, "name", c.log), phone = centres->Text(row, "phone", c.log);
    const std::string address = centres->Text(row, "address", c.log);
    if (name.empty() || name.size() > kPlasticName)
      centres->Error(row, "the name must have 1 to 22 characters (it has " + std::to_string(name.size()) + ")", c.log);
    if (!IsPhone(phone)) centres->Error(row, "the telephone must be 9 digits or empty", c.log);
    std::string codes;
    const auto keys = centres->List(row, "specialities", c.log);
    if (keys.empty() || keys.size() > static_cast<std::size_t>(kMaxPlasticCodes))
      centres->Error(row, "a centre has 1 to 5 specialities", c.log);
    for (const std::string& key : keys)
      codes += TwoDigits(c.keys.Resolve("plastic-arts speciality", key, centres->name(), row.line, c.log));
    const std::string dataColumns = Field(TwoDigits(region) + Field(name, kPlasticName) + Field(phone, kPhone) + " " +
                                              codes.substr(0, 2 * kMaxPlasticCodes), 44);
    if (address.empty()) centres->Error(row, "the address line is empty", c.log);
    if (StartsWithNumber(address))
      centres->Error(row, "the address must not start with a number: it would read as a centre line", c.log);
    c.Fit(address, kArtsWidth, centres->name(), row.line, "address");
    file.AddAll(core::TrimRightSpaces(dataColumns));
    file.AddAll(address);
  }
  return WriteArts(c, "artesplas", file);
}

// musica: after "f2", a heading per region (its number in columns 1-2, the
// name after it for the printed list) and one line per centre: two spaces,
// the name and its web address, all within the 60 characters kept.
bool CompileMusic(const Context& c, const ArtsTexts& texts, const std::map<int, Texts4>& regions) {
  auto centres = c.Read("other/arts-music-centres.tsv");
  if (!centres) return false;
  RequireSection(c, texts, "musica", "description");
  RequireSection(c, texts, "musica", "specialities");
  if (!Section(texts, "musica", "places").empty())
    c.log.Error("other/arts-texts.tsv", 0, "musica places come from other/arts-music-centres.tsv");
  LangFile file;
  AddSection(file, Section(texts, "musica", "description"));
  file.AddAll("f1");
  AddSection(file, Section(texts, "musica", "specialities"));
  file.AddAll("f2");
  int previous = 0;
  for (const Row& row : centres->rows()) {
    const int before = previous;
    const int region = CentreRegion(c, *centres, row, regions, previous);
    if (region && region != before) {
      Texts4 heading = regions.at(region);
      for (std::string& h : heading) h = TwoDigits(region) + h;
      file.Add(heading);
    }
    const std::string name = centres->Text(row, "name", c.log), web = centres->Text(row, "web", c.log);
    if (name.empty() || name.find("http") != std::string::npos)
      centres->Error(row, "the name must be written and must not contain \"http\"", c.log);
    if (!IsWeb(web)) centres->Error(row, "the web address must start with http:// or https://", c.log);
    const std::string line = "  " + name + " " + web;
    if (line.size() > kArtsWidth)
      centres->Error(row, "name and address take " + std::to_string(line.size()) +
                              " characters; the screen keeps 60 and would cut the address", c.log);
    file.AddAll(line);
  }
  return WriteArts(c, "musica", file);
}

// danza: the places are shown as written: a heading per region, then each
// centre's name and town and, when known, its web address on a line of its
// own, which the list opens on a double click.
bool CompileDance(const Context& c, const ArtsTexts& texts, const std::map<int, Texts4>& regions) {
  auto centres = c.Read("other/arts-dance-centres.tsv");
  if (!centres) return false;
  RequireSection(c, texts, "danza", "description");
  RequireSection(c, texts, "danza", "specialities");
  LangFile file;
  AddSection(file, Section(texts, "danza", "description"));
  file.AddAll("f1");
  AddSection(file, Section(texts, "danza", "specialities"));
  file.AddAll("f2");
  AddSection(file, Section(texts, "danza", "places"));
  int previous = 0;
  for (const Row& row : centres->rows()) {
    const int before = previous;
    const int region = CentreRegion(c, *centres, row, regions, previous);
    if (region && region != before) {
      file.AddAll("");
      Texts4 heading = regions.at(region);
      for (std::string& h : heading) h = "- " + h;
      file.Add(heading);
    }
    const std::string name = centres->Text(row, "name", c.log), town = centres->Text(row, "town", c.log);
    const std::string web = centres->Text(row, "web", c.log);
    if (name.empty() || town.empty()) centres->Error(row, "name and town must be written", c.log);
    if (!web.empty() && !IsWeb(web))
      centres->Error(row, "the web address must be empty or start with http:// or https://", c.log);
    const std::string line = "  " + name + " (" + town + ")";
    c.Fit(line, kArtsWidth, centres->name(), row.line, "centre line");
    if (web.size() + 2 > kArtsWidth) centres->Error(row, "the web address is longer than the 58 characters kept", c.log);
    file.AddAll(line);
    if (!web.empty()) file.AddAll("  " + web);
  }
  return WriteArts(c, "danza", file);
}

// dramatico: after "f2", a caption the screen skips, the heading of the
// speciality list and the seven specialities (names from column 2), then
// each centre: "-" + name (to column 25), telephone (26-34), the digits of
// its specialities (from column 41), and its web address, when known, on
// the next line.
bool CompileDrama(const Context& c, const ArtsTexts& texts) {
  auto specialities = c.Read("other/arts-drama-specialities.tsv");
  auto centres = c.Read("other/arts-drama-centres.tsv");
  if (!specialities || !centres) return false;
  RequireSection(c, texts, "dramatico", "description");
  RequireSection(c, texts, "dramatico", "specialities");
  const Lines& caption = Section(texts, "dramatico", "places");
  if (caption.size() != 2)
    c.log.Error("other/arts-texts.tsv", 0,
                "dramatico needs two places lines: the caption after f2 and the heading of the speciality list");
  Lines names;
  DefineSpecialities(c, *specialities, "drama speciality", 1, names);
  if (names.size() != static_cast<std::size_t>(kDramaSpecialities))
    c.log.Error(specialities->name(), 0, std::to_string(names.size()) + " specialities; the screen reads exactly 7");

  LangFile file;
  AddSection(file, Section(texts, "dramatico", "description"));
  file.AddAll("f1");
  AddSection(file, Section(texts, "dramatico", "specialities"));
  file.AddAll("f2");
  if (caption.size() == 2) {
    file.Add(caption[0]);
    Texts4 heading = caption[1];
    for (std::string& h : heading) h = " " + h;
    file.Add(heading);
  }
  for (const Texts4& n : names) {
    Texts4 line = n;
    for (std::string& t : line) t = " " + t;
    file.Add(line);
  }
  for (const Row& row : centres->rows()) {
    const std::string name = centres->Text(row, "name", c.log), phone = centres->Text(row, "phone", c.log);
    const std::string web = centres->Text(row, "web", c.log);
    if (name.empty() || name.size() > kDramaName)
      centres->Error(row, "the name must have 1 to 24 characters (it has " + std::to_string(name.size()) + ")", c.log);
    if (!IsPhone(phone)) centres->Error(row, "the telephone must be 9 digits or empty", c.log);
    if (!web.empty() && !IsWeb(web))
      centres->Error(row, "the web address must be empty or start with http:// or https://", c.log);
    if (web.size() > kArtsWidth) centres->Error(row, "the web address is longer than the 60 characters kept", c.log);
    std::string digits;
    for (const std::string& key : centres->List(row, "specialities", c.log))
      digits += std::to_string(c.keys.Resolve("drama speciality", key, centres->name(), row.line, c.log));
    if (digits.empty() || digits.size() > static_cast<std::size_t>(kDramaSpecialities))
      centres->Error(row, "a centre has 1 to 7 specialities", c.log);
    file.AddAll("-" + Field(name, kDramaName) + Field(phone, kPhone) + std::string(6, ' ') + digits);
    if (!web.empty()) file.AddAll(web);
  }
  return WriteArts(c, "dramatico", file);
}

}  // namespace

bool CompileArtsStudies(const Context& c) {
  auto textSource = c.Read("other/arts-texts.tsv");
  auto regionSource = c.Read("other/arts-regions.tsv");
  if (!textSource || !regionSource) return false;
  const std::size_t errors = c.log.errors.size();
  const ArtsTexts texts = ReadArtsTexts(c, *textSource);
  const std::map<int, Texts4> regions = ReadRegions(c, *regionSource);
  bool ok = CompilePlastic(c, texts, regions);
  ok = CompileMusic(c, texts, regions) && ok;
  ok = CompileDance(c, texts, regions) && ok;
  ok = CompileDrama(c, texts) && ok;
  return ok && c.log.errors.size() == errors;
}

}  // namespace mkdata::other
