// The place files lu1..lu4 and the place lists datluggsphp, datluggmphp and
// datlugbasphp, from data/src/vocational/centres.tsv (one row per centre).
//
// A province p is found in place file d under letter L by the program's
// province table (kProvinceCodes[p - 1] = "dL"). A place record is
//   column 1      the province letter
//   columns 2-18  the town (the screens group consecutive centres by it)
//   columns 19-44 the centre name
//   column 45     the sub-map code character, or a space
//   columns 46-54 the second text (public, private...)
// Every centre is written once, in the file of its province entry. The
// Catalonia entries (34-39) lie in lu4 and the Madrid entries (47-52) in lu2.
// The Catalonia sub-map takes the code column 1 + column 45 of the lu4
// records from the first "5" record to the end, the Madrid sub-map that of
// the lu2 records from the first "8" record up to the first "D" record
// (Cuenca). So the Catalan centres close lu4 (Barcelona, letter 5, first) and
// the Madrid centres open lu2 (the capital, letter 8, first), and a centre's
// comarca or zone code starts with the letter of its own entry. Entries 35
// (lu4 "A") and 48 (lu2 "H") stay empty: the screens rewrite A to 5 and H to 8.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/text.h"
#include "part_vocational.h"

namespace mkdata::vocational {
namespace {

constexpr int kProvinces = 64;
constexpr const char* kProvinceCodes[64] = {
    "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
    "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
    "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
    "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32"};
constexpr int kFirstCatalan = 34, kLastCatalan = 39, kFirstMadrid = 47, kLastMadrid = 52;
constexpr int kRewrittenEntries[] = {35, 48};  // lu4 "A" -> "5", lu2 "H" -> "8" in the screens
constexpr std::size_t kTownWidth = 17, kNameWidth = 26, kSecondWidth = 9;
constexpr std::size_t kPlaces = 1100, kTitlesPerPlace = 25;

int Digit(int province) { return kProvinceCodes[province - 1][0] - '0'; }
char Letter(int province) { return kProvinceCodes[province - 1][1]; }
bool Catalan(int province) { return province >= kFirstCatalan && province <= kLastCatalan; }
bool Madrid(int province) { return province >= kFirstMadrid && province <= kLastMadrid; }
bool Rewritten(int province) {
  return std::find(std::begin(kRewrittenEntries), std::end(kRewrittenEntries), province) != std::end(kRewrittenEntries);
}

struct Centre {
  int sourceLine = 0;
  std::string key;
  int province = 0;
  std::string town, name, second;  // Windows-1252
  char code = ' ';                  // the sub-map code character of a Catalan or Madrid centre
  std::array<std::vector<int>, 3> titles;  // GS, GM, FP Basica title numbers
};

// Number -> two-character code of the rows "number<TAB>code<TAB>name" of a
// geography source (comarcas: sub-region; comarcasm: zone, first line wins).
std::map<int, std::string> GeoCodes(const Context& c, const std::string& relative) {
  std::map<int, std::string> codes;
  std::ifstream in(c.SourcePath(relative), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    core::TArreglo f = core::SplitFields(line, '\t');
    int n = 0;
    if (f.size() >= 2 && core::ParseInt(f[0], n) && f[1].size() == 2 && !codes.count(n)) codes[n] = f[1];
  }
  return codes;
}

bool IsKey(const std::string& key) {
  if (key.empty()) return false;
  for (char ch : key)
    if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-')) return false;
  return true;
}

std::vector<int> TitleList(const Context& c, const Source& s, const Row& row, const Level& level,
                           const TitleFile& file) {
  std::vector<int> numbers;
  if (!file.fromSource) return numbers;  // that level's titles are not written yet
  for (const std::string& key : s.List(row, level.centreColumn, c.log)) {
    const int n = c.keys.Resolve(level.keyKind, key, s.name(), row.line, c.log);
    if (n && std::find(numbers.begin(), numbers.end(), n) != numbers.end())
      s.Error(row, std::string(level.keyKind) + " \"" + key + "\" is listed twice", c.log);
    numbers.push_back(n);
  }
  if (numbers.size() > kTitlesPerPlace)
    s.Error(row, std::string("more than 25 titles in column ") + level.centreColumn, c.log);
  return numbers;
}

// The sub-map code character of a Catalan comarca or Madrid zone: the
// second character of its code (the first must be the letter of the centre's
// own province entry, the column 1 of its record).
char SubMapCode(const Context& c, const Source& s, const Row& row, int province,
                const std::map<int, std::string>& comarcas, const std::map<int, std::string>& zones) {
  const int n = s.Int(row, "comarca", c.log, 0);
  const bool needed = Catalan(province) || Madrid(province);
  if (!needed) {
    if (n) s.Error(row, "only a centre of Catalonia or Madrid has a comarca or zone", c.log);
    return ' ';
  }
  const auto& codes = Catalan(province) ? comarcas : zones;
  auto it = codes.find(n);
  if (it == codes.end()) {
    s.Error(row, std::string(Catalan(province) ? "comarca " : "zone ") + std::to_string(n) + " is not in " +
                     (Catalan(province) ? "geo/comarcas.tsv" : "geo/comarcasm.tsv"), c.log);
    return ' ';
  }
  if (it->second[0] != Letter(province)) {
    s.Error(row, std::string(Catalan(province) ? "comarca " : "zone ") + std::to_string(n) + " (code " +
                     it->second + ") does not lie in province " + std::to_string(province) +
                     " (letter " + std::string(1, Letter(province)) + ")", c.log);
    return ' ';
  }
  return it->second[1];
}

std::vector<Centre> ReadCentres(const Context& c, const TitleFile& gs, const TitleFile& gm, const TitleFile& fpb) {
  std::vector<Centre> centres;
  auto source = c.Read("vocational/centres.tsv");
  if (!source) return centres;
  const auto comarcas = GeoCodes(c, "geo/comarcas.tsv");
  const auto zones = GeoCodes(c, "geo/comarcasm.tsv");
  const Source& s = *source;
  for (const Row& row : s.rows()) {
    Centre centre;
    centre.sourceLine = row.line;
    centre.key = s.Utf8(row, "key", c.log);
    if (!IsKey(centre.key)) s.Error(row, "key \"" + centre.key + "\" is not lowercase ASCII, digits and -", c.log);
    centre.province = s.Int(row, "province", c.log, 0);
    if (centre.province < 1 || centre.province > kProvinces) {
      s.Error(row, "province " + std::to_string(centre.province) + " is not 1-64", c.log);
      continue;
    }
    if (Rewritten(centre.province)) {
      s.Error(row, "province " + std::to_string(centre.province) + " must stay empty: the screens show its letter " +
                       std::string(1, Letter(centre.province)) + " as " +
                       (Catalan(centre.province) ? "Barcelona (34)" : "Madrid (capital) (47)"), c.log);
      continue;
    }
    centre.town = s.Text(row, "town", c.log);
    centre.name = s.Text(row, "name_cas", c.log);
    centre.second = s.Text(row, "second", c.log);
    if (centre.town.empty() || centre.name.empty()) s.Error(row, "a centre needs its town and name", c.log);
    c.Fit(centre.town, kTownWidth, s.name(), row.line, "town");
    c.Fit(centre.name, kNameWidth, s.name(), row.line, "name_cas");
    c.Fit(centre.second, kSecondWidth, s.name(), row.line, "second");
    centre.code = SubMapCode(c, s, row, centre.province, comarcas, zones);
    centre.titles[0] = TitleList(c, s, row, kGs, gs);
    centre.titles[1] = TitleList(c, s, row, kGm, gm);
    centre.titles[2] = TitleList(c, s, row, kFpb, fpb);
    centres.push_back(centre);
  }
  return centres;
}

// The centres of a province, those of one town together, towns in the order
// they first appear in the source.
std::vector<const Centre*> OfProvince(const std::vector<Centre>& centres, int province) {
  std::vector<const Centre*> list;
  for (const Centre& centre : centres)
    if (centre.province == province) list.push_back(&centre);
  std::vector<std::string> towns;
  for (const Centre* centre : list)
    if (std::find(towns.begin(), towns.end(), centre->town) == towns.end()) towns.push_back(centre->town);
  std::stable_sort(list.begin(), list.end(), [&](const Centre* a, const Centre* b) {
    return std::find(towns.begin(), towns.end(), a->town) < std::find(towns.begin(), towns.end(), b->town);
  });
  return list;
}

struct PlaceFile {
  std::vector<const Centre*> centres;
  OutFile records;
  void Add(const Centre& centre) {
    centres.push_back(&centre);
    records.Add(std::string(1, Letter(centre.province)) + Field(centre.town, kTownWidth) +
                Field(centre.name, kNameWidth) + std::string(1, centre.code) + Field(centre.second, kSecondWidth));
  }
};

// Records of lu1..lu4 in their order: the Madrid entries open lu2 (before
// Cuenca, the "D" entry), the Catalan entries close lu4 (after the Valencian
// ones), the other entries in entry order between them.
std::array<PlaceFile, 4> Arrange(const std::vector<Centre>& centres) {
  std::array<PlaceFile, 4> files;
  auto write = [&](int p) {
    for (const Centre* centre : OfProvince(centres, p)) files[static_cast<std::size_t>(Digit(p) - 1)].Add(*centre);
  };
  for (int p = kFirstMadrid; p <= kLastMadrid; ++p) write(p);
  for (int p = 1; p <= kProvinces; ++p)
    if (!Catalan(p) && !Madrid(p)) write(p);
  for (int p = kFirstCatalan; p <= kLastCatalan; ++p) write(p);
  return files;
}

// A centre's key stands for its record in the file of its province entry.
void DefineCentres(const Context& c, const std::array<PlaceFile, 4>& files) {
  for (const PlaceFile& file : files)
    for (std::size_t i = 0; i < file.centres.size(); ++i)
      c.keys.Define("centre", file.centres[i]->key, static_cast<int>(i) + 1, "vocational/centres.tsv",
                    file.centres[i]->sourceLine, c.log);
}

}  // namespace

bool CompilePlaces(const Context& c, const TitleFile& gs, const TitleFile& gm, const TitleFile& fpb) {
  const std::vector<Centre> centres = ReadCentres(c, gs, gm, fpb);
  const std::array<PlaceFile, 4> files = Arrange(centres);
  bool ok = true;
  std::array<OutFile, 3> lists;
  for (std::size_t d = 0; d < files.size(); ++d) {
    const std::string name = "lu" + std::to_string(d + 1);
    if (files[d].centres.size() > kPlaces)
      c.log.Error("vocational/centres.tsv", files[d].centres[kPlaces]->sourceLine,
                  name + " holds at most 1100 places");
    ok = c.WriteCommon(name, files[d].records) && ok;
    for (const Centre* centre : files[d].centres)
      for (std::size_t level = 0; level < lists.size(); ++level) lists[level].Add(CountedRow(centre->titles[level]));
  }
  DefineCentres(c, files);
  ok = c.WriteCommon(kGs.placeLists, lists[0]) && ok;
  ok = c.WriteCommon(kGm.placeLists, lists[1]) && ok;
  ok = c.WriteCommon(kFpb.placeLists, lists[2]) && ok;
  return ok;
}

}  // namespace mkdata::vocational
