// The three clickable maps of the built data folder: the hit-test rasters read
// by the program's own reader, the pictures the student sees, and the name files
// that give the areas their captions.
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/maps.h"
#include "core/readers.h"
#include "core/store.h"
#include "core/text.h"
#include "core/textfile.h"

namespace {

const std::string kData = std::string(TRAZORA_TEST_DATA) + "/";

const core::MapRasters& Rasters() {
  static const std::unique_ptr<core::MapRasters> rasters = [] {
    auto r = std::make_unique<core::MapRasters>();
    auto bytes = core::ReadBytes(kData + "puntos3");
    EXPECT_TRUE(bytes && core::BuildMapRasters(*bytes, *r)) << "puntos3 missing or of the wrong size";
    return r;
  }();
  return *rasters;
}

struct MapCase {
  const char* picture;
  core::MapKind kind;
  int areas;      // values 1..areas, each present
  int minPixels;  // the smallest area a student must still be able to hit
};
const MapCase kMaps[] = {
    {"mapa", core::MapKind::Spain, 19, 20},
    {"mapac", core::MapKind::Catalonia, 41, 40},
    {"mapam", core::MapKind::Madrid, 28, 40},
};

std::map<int, int> PixelCounts(const core::MapRaster& raster) {
  std::map<int, int> counts;
  for (int x = 1; x <= core::kMapWidth; ++x)
    for (int y = 1; y <= raster.height(); ++y) ++counts[raster.RegionAt(x, y)];
  return counts;
}

TEST(MapRasters, EveryMarkerLiesInsideItsOwnRegion) {
  const auto store = std::make_unique<core::Store>();
  for (int r = 1; r <= 19; ++r) {
    const auto [x, y] = store->markers[static_cast<std::size_t>(r)];
    EXPECT_EQ(Rasters().spain.RegionAt(x, y), r) << "marker (" << x << ", " << y << ")";
  }
}

TEST(MapRasters, EveryAreaIsPresentAndLargeEnoughToClick) {
  for (const MapCase& map : kMaps) {
    SCOPED_TRACE(map.picture);
    const std::map<int, int> counts = PixelCounts(Rasters().of(map.kind));
    EXPECT_GT(counts.count(0) ? counts.at(0) : 0, 0) << "no background at all";
    for (const auto& [value, pixels] : counts) EXPECT_LE(value, map.areas) << "stray value";
    for (int a = 1; a <= map.areas; ++a) {
      const int pixels = counts.count(a) ? counts.at(a) : 0;
      EXPECT_GE(pixels, map.minPixels) << "area " << a;
    }
  }
}

TEST(MapRasters, TheLargestRegionsAreTheLargestOnTheMap) {
  // Castilla y León, Andalucía and Castilla-La Mancha, in that order.
  std::map<int, int> counts = PixelCounts(Rasters().spain);
  counts.erase(0);
  std::vector<std::pair<int, int>> bySize;
  for (const auto& [region, pixels] : counts) bySize.push_back({pixels, region});
  std::sort(bySize.rbegin(), bySize.rend());
  ASSERT_GE(bySize.size(), 3u);
  EXPECT_EQ(bySize[0].second, 8);
  EXPECT_EQ(bySize[1].second, 1);
  EXPECT_EQ(bySize[2].second, 7);
}

// Picture and raster agree pixel for pixel: every colour of the picture belongs
// to exactly one raster value, the background colours to 0 only, and each area
// is painted in one colour family (its fill and a darker edge of the same hue).
TEST(MapPictures, EveryColourBelongsToOneAreaOrToTheBackground) {
  for (const MapCase& map : kMaps) {
    SCOPED_TRACE(map.picture);
    const core::MapRaster& raster = Rasters().of(map.kind);
    QImage picture(QString::fromStdString(kData + map.picture));
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(picture.width(), core::kMapWidth);
    ASSERT_EQ(picture.height(), raster.height());
    std::map<QRgb, std::set<int>> valuesOf;
    std::map<int, std::map<QRgb, int>> coloursOf;
    for (int x = 1; x <= core::kMapWidth; ++x)
      for (int y = 1; y <= raster.height(); ++y) {
        const QRgb c = picture.pixel(x - 1, y - 1) & 0xFFFFFF;
        valuesOf[c].insert(raster.RegionAt(x, y));
        ++coloursOf[raster.RegionAt(x, y)][c];
      }
    for (const auto& [colour, values] : valuesOf)
      EXPECT_EQ(values.size(), 1u) << "colour " << std::hex << colour << " is shown over several areas";
    EXPECT_LE(coloursOf[0].size(), 2u) << "background: sea or paper, and the inset frame";
    EXPECT_TRUE(coloursOf[0].count(picture.pixel(0, 0) & 0xFFFFFF)) << "the corner is background";
    for (int a = 1; a <= map.areas; ++a) {
      const auto& colours = coloursOf[a];
      ASSERT_GE(colours.size(), 1u);
      EXPECT_LE(colours.size(), 2u) << "area " << a;
      const QColor first(colours.begin()->first), last(colours.rbegin()->first);
      EXPECT_LE(std::abs(first.hsvHue() - last.hsvHue()), 4) << "area " << a << " mixes colour families";
    }
  }
}

// ---------------------------------------------------------------- names --

std::vector<std::string> FileLines(const std::string& name) {
  auto bytes = core::ReadBytes(kData + name);
  EXPECT_TRUE(bytes) << name;
  if (!bytes) return {};
  // Windows line ends only, and no blank line at the end.
  std::size_t crlf = 0, lf = 0;
  for (std::size_t i = 0; i < bytes->size(); ++i)
    if ((*bytes)[i] == '\n') ++lf, crlf += i > 0 && (*bytes)[i - 1] == '\r';
  EXPECT_EQ(crlf, lf) << name << " has bare line feeds";
  EXPECT_TRUE(bytes->size() >= 2 && bytes->substr(bytes->size() - 2) == "\r\n") << name;
  EXPECT_EQ(bytes->find("\r\n\r\n"), std::string::npos) << name << " has a blank line";
  return core::ReadLines(kData + name).value_or(std::vector<std::string>{});
}

int NumberAt(const std::string& line, std::size_t column) {
  int n = -1;
  return core::ParseInt(core::Columns(line, column, 2), n) ? n : -1;
}

std::string Cp(const char* utf8) { return core::Utf8ToCp1252(utf8); }

TEST(MapNames, RegionsListTheirProvincesInOrder) {
  const std::vector<std::string> lines = FileLines("comunida");
  ASSERT_EQ(lines.size(), 19u + 64u);  // the 19 regions and the 64 entries of the province table
  std::vector<int> first(21, 0);
  for (int r = 1; r <= 19; ++r) first[static_cast<std::size_t>(r)] = NumberAt(lines[r - 1], 1);
  first[20] = 65;  // one past the last province
  EXPECT_EQ(first[1], 1);
  for (int r = 1; r <= 19; ++r) {
    SCOPED_TRACE("region " + std::to_string(r));
    EXPECT_LT(first[r], first[r + 1]) << "every region has provinces";
    for (int p = first[r]; p < first[r + 1] && p <= 64; ++p) EXPECT_EQ(NumberAt(lines[18 + p], 1), r) << "province " << p;
  }
  for (const std::string& line : lines) EXPECT_FALSE(core::IsBlank(core::Columns(line, 3, 53))) << line;
  for (const std::string& line : lines) EXPECT_LE(line.size(), 55u) << line;
  struct Named {
    int record;
    const char* name;
  } const kNamed[] = {{4, "Illes Balears"}, {9, "Cataluña"}, {13, "Comunidad de Madrid"}, {18, "Ceuta"}, {19, "Melilla"},
                      {19 + 34, "Barcelona"}, {19 + 39, "Terres de l'Ebre"}, {19 + 42, "A Coruña"},
                      {19 + 47, "Madrid (capital)"}, {19 + 52, "Madrid-Oeste"}, {19 + 62, "Bilbao"}, {19 + 64, "Melilla"}};
  for (const Named& n : kNamed) EXPECT_EQ(core::TrimRightSpaces(core::Columns(lines[n.record - 1], 3, 53)), Cp(n.name));
}

// The screens find a region's centres in the place file of its first province
// (the digit of its code in the program's province table), so a region's
// provinces share that digit; the sub-map codes start with the letter of the
// province entry of the area (comarcas: lu4, comarcasm: lu2).
TEST(MapNames, RegionsLieInOnePlaceFileAndAreaCodesCarryTheirProvinceLetter) {
  const std::vector<std::string> lines = FileLines("comunida");
  ASSERT_EQ(lines.size(), 19u + 64u);
  const auto store = std::make_unique<core::Store>();  // holds the program's province table
  const auto& table = store->codeTable;
  for (int r = 1; r <= 19; ++r) {
    const int from = NumberAt(lines[r - 1], 1), to = r < 19 ? NumberAt(lines[r], 1) : 65;
    ASSERT_GE(from, 1);
    for (int p = from; p < to; ++p)
      EXPECT_EQ(table[static_cast<std::size_t>(p)][0], table[static_cast<std::size_t>(from)][0])
          << "region " << r << ", province " << p;
  }
  struct Code {
    const char* file;
    std::size_t line;
    const char* code;
  } const kCodes[] = {
      {"comarcas", 1, "81"},  {"comarcas", 2, "62"},  {"comarcas", 9, "99"},  {"comarcas", 14, "6E"},
      {"comarcas", 23, "5N"}, {"comarcas", 32, "7W"}, {"comarcas", 36, "9a"}, {"comarcas", 37, "5b"},
      {"comarcas", 42, "5g"}, {"comarcas", 51, "5p"}, {"comarcasm", 1, "81"}, {"comarcasm", 2, "B2"},
      {"comarcasm", 5, "93"}, {"comarcasm", 35, "AF"}, {"comarcasm", 61, "CS"},
  };
  for (const Code& c : kCodes) {
    const std::vector<std::string> file = FileLines(c.file);
    ASSERT_GE(file.size(), c.line) << c.file;
    EXPECT_EQ(core::Columns(file[c.line - 1], 1, 2), c.code) << c.file << ":" << c.line;
  }
}

TEST(MapNames, ComarquesAreNumberedOneToFortyOneThenTheDistrictsOfBarcelona) {
  const std::vector<std::string> lines = FileLines("comarcas");
  ASSERT_EQ(lines.size(), 41u + 10u);
  std::set<int> numbers;
  std::set<std::string> codes;
  for (int i = 0; i < 41; ++i) {
    numbers.insert(NumberAt(lines[i], 3));
    codes.insert(core::Columns(lines[i], 1, 2));
    EXPECT_LE(lines[i].size(), 24u) << lines[i];
  }
  EXPECT_EQ(numbers.size(), 41u);
  EXPECT_EQ(*numbers.begin(), 1);
  EXPECT_EQ(*numbers.rbegin(), 41);
  EXPECT_EQ(codes.size(), 41u) << "codes are unique";
  // The program's reader keeps the names by number; 37 is the Barcelonès.
  core::CodedNames table;
  ASSERT_TRUE(core::ReadCodedNames(kData + "comarcas", table, 20));
  EXPECT_EQ(table.count, 51);
  EXPECT_EQ(core::TrimRightSpaces(table.names[36]), Cp("Barcelonès"));
  EXPECT_EQ(core::TrimRightSpaces(table.names[41]), Cp("Ciutat Vella"));
  EXPECT_EQ(core::TrimRightSpaces(table.names[50]), Cp("Sant Martí"));
}

TEST(MapNames, MadridZonesHaveOneToThreeCaptionLines) {
  const std::vector<std::string> lines = FileLines("comarcasm");
  core::CodedGroups table;
  ASSERT_TRUE(core::ReadCodedGroups(kData + "comarcasm", table, 25));
  EXPECT_EQ(table.count, static_cast<int>(lines.size()));
  for (int g = 1; g <= 28; ++g) {
    const int members = table.members[static_cast<std::size_t>(g)][0];
    EXPECT_GE(members, 1) << "zone " << g;
    EXPECT_LE(members, 3) << "zone " << g;
  }
  EXPECT_EQ(core::TrimRightSpaces(table.names[1]), Cp("Madrid (capital)"));
}

// Names, numbers and pictures come from one source: areas that are neighbours
// on the ground, found by their names, touch on the map.
int AreaNamed(core::MapKind kind, const std::string& cp1252) {
  if (kind == core::MapKind::Spain) {
    const auto lines = core::ReadLines(kData + "comunida").value_or(std::vector<std::string>{});
    for (int r = 1; r <= 19 && r <= static_cast<int>(lines.size()); ++r)
      if (core::TrimRightSpaces(core::Columns(lines[r - 1], 3, 53)) == cp1252) return r;
  } else if (kind == core::MapKind::Catalonia) {
    core::CodedNames table;
    if (core::ReadCodedNames(kData + "comarcas", table, 20))
      for (int c = 1; c <= 41; ++c)
        if (core::TrimRightSpaces(table.names[static_cast<std::size_t>(c) - 1]) == cp1252) return c;
  } else {
    core::CodedGroups table;
    if (core::ReadCodedGroups(kData + "comarcasm", table, 25))
      for (int i = 1; i <= table.count; ++i)
        if (core::TrimRightSpaces(table.names[static_cast<std::size_t>(i)]) == cp1252)
          return table.group[static_cast<std::size_t>(i)];
  }
  return 0;
}

bool Touch(const core::MapRaster& raster, int a, int b) {
  for (int x = 1; x <= core::kMapWidth; ++x)
    for (int y = 1; y <= raster.height(); ++y)
      if (raster.RegionAt(x, y) == a && (raster.RegionAt(x + 1, y) == b || raster.RegionAt(x, y + 1) == b ||
                                         raster.RegionAt(x - 1, y) == b || raster.RegionAt(x, y - 1) == b))
        return true;
  return false;
}

TEST(MapNames, NeighboursByNameTouchOnTheMap) {
  struct Pair {
    core::MapKind kind;
    const char *a, *b;
  } const kPairs[] = {
      {core::MapKind::Spain, "Comunidad de Madrid", "Castilla y León"},
      {core::MapKind::Spain, "Comunidad de Madrid", "Castilla-La Mancha"},
      {core::MapKind::Spain, "La Rioja", "Comunidad Foral de Navarra"},
      {core::MapKind::Spain, "Cataluña", "Comunitat Valenciana"},
      {core::MapKind::Spain, "Galicia", "Principado de Asturias"},
      {core::MapKind::Catalonia, "Barcelonès", "Baix Llobregat"},
      {core::MapKind::Catalonia, "Barcelonès", "Vallès Occidental"},
      {core::MapKind::Catalonia, "Barcelonès", "Maresme"},
      {core::MapKind::Catalonia, "Val d'Aran", "Alta Ribagorça"},
      {core::MapKind::Catalonia, "Montsià", "Baix Ebre"},
      {core::MapKind::Madrid, "Madrid (capital)", "Getafe"},
      {core::MapKind::Madrid, "Madrid (capital)", "Pozuelo de Alarcón"},
      {core::MapKind::Madrid, "Madrid (capital)", "Coslada"},
      {core::MapKind::Madrid, "Aranjuez", "Valdemoro"},
  };
  for (const Pair& p : kPairs) {
    const int a = AreaNamed(p.kind, Cp(p.a)), b = AreaNamed(p.kind, Cp(p.b));
    ASSERT_GT(a, 0) << p.a;
    ASSERT_GT(b, 0) << p.b;
    EXPECT_TRUE(Touch(Rasters().of(p.kind), a, b)) << p.a << " / " << p.b;
  }
}

}  // namespace
