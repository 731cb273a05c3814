// materiasp, carreran, carrenue, carreranb, datgradosphp, datcarnphp, lugar,
// comuint, dobles and grados.txt, from data/src/universities/.
//
// Every number that ties these files together (degree d, group g, variant v,
// place p, subject s) is the row of its source, and every reference is a key,
// so reordering a source renumbers all the files at once.
#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <set>

#include "core/text.h"
#include "parts.h"

namespace mkdata {

namespace {

constexpr std::size_t kNameWidth = 60;       // degree, group and variant names as shown
constexpr std::size_t kSubjectWidth = 70;    // materiasp lines
constexpr std::size_t kPlaceNameWidth = 35;  // lugar columns 3-37
constexpr std::size_t kPlaceWebWidth = 60;   // what the program keeps of lugar column 38 on
constexpr int kMaxDegrees = 350;
constexpr int kMaxGroups = 199;              // dobles groups, one per place
constexpr int kMaxSubjects = 49;             // 50 stands for "any subject"
constexpr int kAnySubject = 50;
constexpr int kMaxPlacesPerDegree = 125;     // cells of a datcarnphp row
constexpr int kMaxPlaceNumber = 255;         // datcarnphp cells are bytes
constexpr int kMaxShownVariants = 10;        // more makes the program warn at start
constexpr int kMaxDoublesPerPlace = 50;
constexpr int kNoMark = 10;
constexpr int kRegions = 19;

// The subjects that the requirements screen lists for each branch, by number.
const std::map<int, std::vector<int>> kBranchSubjects = {
    {2, {3, 21, 11, 19}}, {3, {9, 20, 12, 18}}, {4, {19, 21, 11, 7, 9}}, {5, {3, 21, 19, 11}}};

const std::array<std::array<const char*, 2>, 4> kProfileHeadings = {{{"Qué estudiaré", "Salidas profesionales"},
                                                                     {"Què estudiaré", "Sortides professionals"},
                                                                     {"Que estudarei", "Saídas profesionais"},
                                                                     {"Zer ikasiko dut", "Irteera profesionalak"}}};

struct Degree {
  int line = 0;           // source line
  int code = 0;           // three-digit key of grados.txt and dobles
  std::array<std::string, 4> names;
  std::vector<int> fields;  // the 14 values of datgradosphp
};

struct Offer {
  int place = 0, mark = kNoMark, variant = 0;
};

struct Place {
  int region = 0;
  std::string name;  // Windows-1252
};

struct Model {
  std::vector<int> groupBranch;  // by group number - 1
  std::vector<Degree> degrees;
  std::vector<Place> places;
  std::map<int, std::vector<Offer>> offers;  // by degree number
};

std::string Where(const Source& s) { return s.name(); }

// "12.5" or "12,5" -> 125; -1 when it is not a mark of at most one decimal.
int MarkTimesTen(const std::string& text) {
  std::string digits;
  int decimals = -1;
  for (char ch : text) {
    if (ch == '.' || ch == ',') {
      if (decimals >= 0) return -1;
      decimals = 0;
    } else if (ch >= '0' && ch <= '9') {
      digits += ch;
      if (decimals >= 0) ++decimals;
    } else {
      return -1;
    }
  }
  if (digits.empty() || digits.size() > 4 || decimals > 1) return -1;
  int value = std::stoi(digits);
  return decimals == 1 ? value : value * 10;
}

// Numbers of a list column, each within [low, high].
std::vector<int> Numbers(const Context& c, const Source& s, const Row& row, const std::string& column, int low,
                         int high, std::size_t most) {
  std::vector<int> values;
  for (const std::string& item : s.List(row, column, c.log)) {
    int v = 0;
    if (!core::ParseInt(item, v) || v < low || v > high)
      s.Error(row, column + ": \"" + item + "\" is not a number from " + std::to_string(low) + " to " +
                       std::to_string(high), c.log);
    else values.push_back(v);
  }
  if (values.size() > most) s.Error(row, column + ": at most " + std::to_string(most) + " values", c.log);
  values.resize(most, 0);
  return values;
}

std::vector<int> Resolved(const Context& c, const Source& s, const Row& row, const std::string& column,
                          const std::string& kind, std::size_t most) {
  std::vector<int> values;
  for (const std::string& key : s.List(row, column, c.log)) values.push_back(c.keys.Resolve(kind, key, Where(s), row.line, c.log));
  if (values.size() > most) s.Error(row, column + ": at most " + std::to_string(most) + " keys", c.log);
  values.resize(most, 0);
  return values;
}

// Checks a translated name and fits it to the screens; empty names are errors.
std::array<std::string, 4> Names(const Context& c, const Source& s, const Row& row, const std::string& column,
                                 std::size_t width) {
  std::array<std::string, 4> names = s.Texts(row, column, c.log);
  for (std::size_t l = 0; l < 4; ++l) {
    if (core::IsBlank(names[l])) s.Error(row, column + kLangSuffix[l] + " is empty", c.log);
    c.Fit(names[l], width, Where(s), row.line, column + kLangSuffix[l]);
  }
  return names;
}

bool CompileSubjects(const Context& c) {
  auto s = c.Read("universities/subjects.tsv");
  if (!s) return false;
  LangFile materiasp;
  int n = 0;
  for (const Row& row : s->rows()) {
    ++n;
    c.keys.Define("subject", s->Utf8(row, "key", c.log), n, Where(*s), row.line, c.log);
    materiasp.Add(Names(c, *s, row, "name", kSubjectWidth));
    // The requirements screen names these subjects by number: the row must stand there.
    for (int branch : Numbers(c, *s, row, "branches", 1, 5, 5)) {
      if (branch == 0) continue;
      auto listed = kBranchSubjects.find(branch);
      if (listed == kBranchSubjects.end() ||
          std::find(listed->second.begin(), listed->second.end(), n) == listed->second.end())
        s->Error(row, "the screen does not list subject " + std::to_string(n) + " for branch " +
                          std::to_string(branch) + "; move the row or change \"branches\"", c.log);
    }
  }
  if (n > kMaxSubjects) c.log.Error(Where(*s), 0, "more than " + std::to_string(kMaxSubjects) + " subjects");
  for (const auto& [branch, numbers] : kBranchSubjects)
    for (int number : numbers)
      if (number > n) c.log.Error(Where(*s), 0, "branch " + std::to_string(branch) + " lists subject " +
                                                    std::to_string(number) + ", which does not exist");
  return c.WriteLang("materiasp", materiasp);
}

bool CompileGroups(const Context& c, Model& m) {
  auto s = c.Read("universities/groups.tsv");
  if (!s) return false;
  LangFile carreranb;
  for (const Row& row : s->rows()) {
    m.groupBranch.push_back(s->Int(row, "branch", c.log));
    if (m.groupBranch.back() < 1 || m.groupBranch.back() > 5) s->Error(row, "branch must be 1 to 5", c.log);
    c.keys.Define("degree group", s->Utf8(row, "key", c.log), static_cast<int>(m.groupBranch.size()), Where(*s),
                  row.line, c.log);
    carreranb.Add(Names(c, *s, row, "name", kNameWidth));
  }
  return c.WriteLang("carreranb", carreranb);
}

bool CompileVariants(const Context& c) {
  auto s = c.Read("universities/variants.tsv");
  if (!s) return false;
  LangFile carrenue;
  int n = 0;
  for (const Row& row : s->rows()) {
    c.keys.Define("title variant", s->Utf8(row, "key", c.log), ++n, Where(*s), row.line, c.log);
    carrenue.Add(Names(c, *s, row, "name", kNameWidth));
  }
  return c.WriteLang("carrenue", carrenue);
}

// Subject numbers of the datgradosphp fields 11-14; "any" (50) ends the list.
std::vector<int> Subjects(const Context& c, const Source& s, const Row& row) {
  std::vector<int> numbers;
  std::vector<std::string> keys = s.List(row, "subjects", c.log);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] != "any") numbers.push_back(c.keys.Resolve("subject", keys[i], Where(s), row.line, c.log));
    else if (i + 1 != keys.size()) s.Error(row, "subjects: \"any\" must be the last item", c.log);
    else numbers.push_back(kAnySubject);
  }
  if (numbers.size() > 4) s.Error(row, "subjects: at most 4", c.log);
  numbers.resize(4, 0);
  return numbers;
}

Degree ReadDegree(const Context& c, const Source& s, const Row& row, const Model& m, std::set<int>& codes) {
  Degree d;
  d.line = row.line;
  d.code = s.Int(row, "code", c.log);
  if (d.code < 100 || d.code > 999) s.Error(row, "code must have three digits (100 to 999)", c.log);
  else if (!codes.insert(d.code).second) s.Error(row, "code " + std::to_string(d.code) + " is used twice", c.log);
  const int group = c.keys.Resolve("degree group", s.Utf8(row, "group", c.log), Where(s), row.line, c.log);
  const int branch = group > 0 ? m.groupBranch[static_cast<std::size_t>(group) - 1] : 0;
  if (s.List(row, "itineraries", c.log).empty()) s.Error(row, "itineraries: at least one", c.log);
  std::vector<int> itineraries = Numbers(c, s, row, "itineraries", 1, 12, 2);
  std::vector<int> professions = Resolved(c, s, row, "professions", "profession", 4);
  const int family = s.Int(row, "family", c.log);
  if (family < 0 || family > 26) s.Error(row, "family must be 0 to 26", c.log);
  d.fields = {branch, group, itineraries[0], itineraries[1]};
  d.fields.insert(d.fields.end(), professions.begin(), professions.end());
  d.fields.push_back(family);
  d.fields.push_back(d.code);
  std::vector<int> subjects = Subjects(c, s, row);
  d.fields.insert(d.fields.end(), subjects.begin(), subjects.end());
  d.names = Names(c, s, row, "name", kNameWidth);
  return d;
}

bool CompileDegrees(const Context& c, Model& m) {
  auto s = c.Read("universities/degrees.tsv");
  if (!s) return false;
  std::set<int> codes;
  LangFile carreran;
  OutFile datgrados;
  for (const Row& row : s->rows()) {
    m.degrees.push_back(ReadDegree(c, *s, row, m, codes));
    c.keys.Define("degree", s->Utf8(row, "key", c.log), static_cast<int>(m.degrees.size()), Where(*s), row.line,
                  c.log);
    carreran.Add(m.degrees.back().names);
    datgrados.Add(FixedRow(m.degrees.back().fields, 14));
  }
  if (m.degrees.size() > kMaxDegrees)
    c.log.Error(Where(*s), 0, std::to_string(m.degrees.size()) + " degrees; the program holds 350");
  return c.WriteLang("carreran", carreran) && c.WriteCommon("datgradosphp", datgrados);
}

bool CompilePlaces(const Context& c, Model& m) {
  auto s = c.Read("universities/places.tsv");
  if (!s) return false;
  OutFile lugar;
  for (const Row& row : s->rows()) {
    Place p;
    p.region = s->Int(row, "region", c.log);
    if (p.region < 1 || p.region > kRegions) s->Error(row, "region must be 1 to 19", c.log);
    p.name = s->Text(row, "name", c.log);
    c.Fit(p.name, kPlaceNameWidth, Where(*s), row.line, "name");
    std::string web = s->Text(row, "web", c.log);
    if (web.empty() || web.rfind("http", 0) == 0 || web.rfind("www.", 0) == 0 || web.find(' ') != std::string::npos)
      s->Error(row, "web: an address without \"http://www.\" and without spaces", c.log);
    c.Fit(web, kPlaceWebWidth, Where(*s), row.line, "web");
    m.places.push_back(p);
    c.keys.Define("place", s->Utf8(row, "key", c.log), static_cast<int>(m.places.size()), Where(*s), row.line,
                  c.log);
    lugar.Add(Number(p.region, 2) + Field(p.name, kPlaceNameWidth) + web);
  }
  if (m.places.size() > kMaxGroups)
    c.log.Error(Where(*s), 0, "more than 199 places: the double degrees hold one group per place");
  return c.WriteCommon("lugar", lugar);
}

// One item of offers.tsv: "degree[/variant][=mark]".
void ReadOffer(const Context& c, const Source& s, const Row& row, const std::string& item, int place, Model& m) {
  std::string key = item, variant, mark;
  if (auto eq = key.find('='); eq != std::string::npos) mark = key.substr(eq + 1), key.resize(eq);
  if (auto slash = key.find('/'); slash != std::string::npos) variant = key.substr(slash + 1), key.resize(slash);
  Offer o;
  o.place = place;
  const int degree = c.keys.Resolve("degree", key, Where(s), row.line, c.log);
  if (!variant.empty()) o.variant = c.keys.Resolve("title variant", variant, Where(s), row.line, c.log);
  if (!mark.empty()) {
    o.mark = MarkTimesTen(mark);
    if (o.mark < 50 || o.mark > 140) {
      s.Error(row, "\"" + item + "\": a mark is 5.0 to 14.0 with at most one decimal", c.log);
      o.mark = kNoMark;
    }
  }
  if (degree == 0) return;
  auto& list = m.offers[degree];
  if (std::any_of(list.begin(), list.end(), [&](const Offer& x) { return x.place == place; }))
    s.Error(row, "\"" + key + "\" is offered twice by this place", c.log);
  else list.push_back(o);
}

// The three blocks of datcarnphp: places, marks and title variants of each degree.
void CheckOfferRows(const Context& c, const Model& m) {
  for (const auto& [degree, list] : m.offers) {
    const Degree& d = m.degrees[static_cast<std::size_t>(degree) - 1];
    if (list.size() > kMaxPlacesPerDegree)
      c.log.Error("universities/degrees.tsv", d.line, "offered by more than 125 places");
    std::set<int> variants;
    for (const Offer& o : list)
      if (o.variant) variants.insert(o.variant);
    if (variants.size() > kMaxShownVariants)
      c.log.Error("universities/degrees.tsv", d.line, "more than 10 title variants");
  }
}

bool CompileOffers(const Context& c, Model& m) {
  auto s = c.Read("universities/offers.tsv");
  if (!s) return false;
  for (const Row& row : s->rows()) {
    const int place = c.keys.Resolve("place", s->Utf8(row, "place", c.log), Where(*s), row.line, c.log);
    if (place > kMaxPlaceNumber) s->Error(row, "a place that offers degrees must be among the first 255", c.log);
    for (const std::string& item : s->List(row, "degrees", c.log)) ReadOffer(c, *s, row, item, place, m);
  }
  CheckOfferRows(c, m);
  std::array<OutFile, 3> blocks;
  for (std::size_t d = 1; d <= m.degrees.size(); ++d) {
    std::vector<Offer> list = m.offers[static_cast<int>(d)];
    std::stable_sort(list.begin(), list.end(), [](const Offer& a, const Offer& b) { return a.place < b.place; });
    std::array<std::vector<int>, 3> values;
    for (const Offer& o : list) {
      values[0].push_back(o.place);
      values[1].push_back(o.mark);
      values[2].push_back(o.variant);
    }
    for (std::size_t b = 0; b < 3; ++b) blocks[b].Add(CountedRow(values[b]));
  }
  OutFile datcarn;
  for (const OutFile& block : blocks) datcarn.lines.insert(datcarn.lines.end(), block.lines.begin(), block.lines.end());
  return c.WriteCommon("datcarnphp", datcarn);
}

bool CompileDoubles(const Context& c, const Model& m) {
  auto s = c.Read("universities/doubles.tsv");
  if (!s) return false;
  std::vector<std::vector<std::string>> items(m.places.size() + 1);
  for (const Row& row : s->rows()) {
    const int place = c.keys.Resolve("place", s->Utf8(row, "place", c.log), Where(*s), row.line, c.log);
    const int first = c.keys.Resolve("degree", s->Utf8(row, "first", c.log), Where(*s), row.line, c.log);
    const int second = c.keys.Resolve("degree", s->Utf8(row, "second", c.log), Where(*s), row.line, c.log);
    const std::string note = s->Text(row, "note", c.log);
    if (note.size() > 4) s->Error(row, "note: at most 4 characters", c.log);
    if (place == 0 || first == 0 || second == 0) continue;
    auto& group = items[static_cast<std::size_t>(place)];
    if (group.size() == kMaxDoublesPerPlace) s->Error(row, "more than 50 double degrees at this place", c.log);
    group.push_back("    " + Number(m.degrees[static_cast<std::size_t>(first) - 1].code, 3) +
                    Number(m.degrees[static_cast<std::size_t>(second) - 1].code, 3) + Field(note, 4));
  }
  OutFile dobles;
  for (std::size_t p = 1; p <= m.places.size(); ++p) {
    dobles.Add(Number(m.places[p - 1].region, 2) + Field(m.places[p - 1].name, kPlaceNameWidth));
    for (const std::string& line : items[p]) dobles.Add(line);
  }
  return c.WriteCommon("dobles", dobles);
}

bool CompileAuthorities(const Context& c) {
  auto s = c.Read("universities/authorities.tsv");
  if (!s) return false;
  OutFile comuint;
  for (const Row& row : s->rows()) {
    const int region = s->Int(row, "region", c.log);
    if (region != static_cast<int>(comuint.lines.size()) + 1)
      s->Error(row, "rows must be the regions 1 to 19 in order", c.log);
    const std::string label = s->Text(row, "label", c.log), web = s->Text(row, "web", c.log);
    if (label.size() > 11) s->Error(row, "label: at most 11 characters", c.log);
    if (web.empty() || web.rfind("http", 0) == 0 || web.find(' ') != std::string::npos)
      s->Error(row, "web: an address without \"http://\" and without spaces", c.log);
    comuint.Add(Field(Number(region, 2) + " " + label, 14) + web);
  }
  if (comuint.lines.size() != kRegions) c.log.Error(Where(*s), 0, "there must be one row per region 1 to 19");
  return c.WriteCommon("comuint", comuint);
}

// The block of one degree in grados.txt: the marker line, one line the program
// skips, the title, then the two headed lists.
void AddProfile(OutFile& file, const Degree& d, std::size_t lang, const std::string& studies,
                const std::string& outlets) {
  file.Add("<<" + Number(d.code, 3));
  file.Add("");
  file.Add(d.names[lang]);
  const std::array<const std::string*, 2> lists = {&studies, &outlets};
  for (std::size_t h = 0; h < 2; ++h) {
    file.Add(core::Utf8ToCp1252(kProfileHeadings[lang][h]));
    for (const std::string& item : core::SplitFields(*lists[h], '|')) {
      std::string text = core::TrimBlanks(item);
      if (!text.empty()) file.Add("* " + text);
    }
  }
}

bool CompileProfiles(const Context& c, const Model& m) {
  auto s = c.Read("universities/profiles.tsv");
  if (!s) return false;
  std::map<int, const Row*> byDegree;
  for (const Row& row : s->rows()) {
    const int d = c.keys.Resolve("degree", s->Utf8(row, "degree", c.log), Where(*s), row.line, c.log);
    if (d && !byDegree.emplace(d, &row).second) s->Error(row, "a second profile of the same degree", c.log);
  }
  // Castilian in the common folder; another language only when its columns exist.
  bool ok = true;
  for (std::size_t lang = 0; lang < 4; ++lang) {
    const std::string studiesColumn = std::string("studies") + kLangSuffix[lang];
    const std::string outletsColumn = std::string("outlets") + kLangSuffix[lang];
    if (!s->Has(studiesColumn)) continue;
    OutFile grados;
    for (std::size_t d = 1; d <= m.degrees.size(); ++d) {
      auto it = byDegree.find(static_cast<int>(d));
      if (it == byDegree.end()) {
        if (lang == 0) c.log.Error("universities/degrees.tsv", m.degrees[d - 1].line, "degree without a profile");
        continue;
      }
      const std::string studies = s->Text(*it->second, studiesColumn, c.log);
      const std::string outlets = s->Text(*it->second, outletsColumn, c.log);
      if (core::IsBlank(studies) || core::IsBlank(outlets)) s->Error(*it->second, "empty profile", c.log);
      AddProfile(grados, m.degrees[d - 1], lang, studies, outlets);
    }
    grados.Add("<<FIN");  // the last block ends at a marker line too
    if (lang == 0) ok = c.WriteCommon("grados.txt", grados) && ok;
    else {
      std::filesystem::create_directories(c.outDir + "/" + kLangDirs[lang]);
      ok = WriteFile(c.outDir + "/" + kLangDirs[lang] + "/grados.txt", grados.Bytes(), c.log) && ok;
    }
  }
  return ok;
}

}  // namespace

bool CompileUniversities(const Context& c) {
  Model m;
  bool ok = CompileSubjects(c);
  ok = CompileGroups(c, m) && ok;
  ok = CompileVariants(c) && ok;
  ok = CompileDegrees(c, m) && ok;
  ok = CompilePlaces(c, m) && ok;
  ok = CompileOffers(c, m) && ok;
  ok = CompileDoubles(c, m) && ok;
  ok = CompileAuthorities(c) && ok;
  ok = CompileProfiles(c, m) && ok;
  return ok;
}

}  // namespace mkdata
