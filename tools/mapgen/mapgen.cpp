// trazora-mapgen SRC_GEO_DIR OUT_DIR: draws the three clickable maps ("mapa",
// "mapac", "mapam"), writes their hit-test rasters ("puntos3") and the name
// files of their areas ("comunida", "comarcas", "comarcasm").
//
// Picture and raster come from one rasterisation: a pixel belongs to the area
// whose polygon holds the pixel's centre, and the picture paints it with that
// area's fill colour, or a darker shade of it on the area's edge. Background
// pixels (and the frame of the Canary Islands inset) belong to no area.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/maps.h"
#include "core/store.h"
#include "core/text.h"

namespace {

struct Point {
  double x, y;
};
using Ring = std::vector<Point>;

struct MapSource {
  std::map<int, std::vector<Ring>> areas;  // area number -> rings (outer rings and holes)
  bool hasFrame = false;
  int frame[4] = {0, 0, 0, 0};  // x0, y0, x1, y1 in 0-based pixel edges
};

struct Failure {
  std::string what;
};

[[noreturn]] void Fail(const std::string& what) { throw Failure{what}; }

std::vector<std::string> ReadSourceLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot read " + path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    lines.push_back(line);
  }
  return lines;
}

Point ParsePoint(const std::string& token, const std::string& where) {
  Point p{};
  char comma = 0;
  std::istringstream in(token);
  in.imbue(std::locale::classic());
  if (!(in >> p.x >> comma >> p.y) || comma != ',') Fail(where + ": bad point '" + token + "'");
  return p;
}

MapSource ReadMapSource(const std::string& path) {
  MapSource source;
  int n = 0;
  for (const std::string& line : ReadSourceLines(path)) {
    const std::string where = path + " (ring " + std::to_string(++n) + ")";
    std::istringstream in(line);
    std::string head, token;
    in >> head;
    std::vector<Point> points;
    while (in >> token) points.push_back(ParsePoint(token, where));
    if (head == "frame") {
      if (points.size() != 2) Fail(where + ": a frame needs two corners");
      source.hasFrame = true;
      source.frame[0] = int(points[0].x), source.frame[1] = int(points[0].y);
      source.frame[2] = int(points[1].x), source.frame[3] = int(points[1].y);
      continue;
    }
    int area = 0;
    if (!core::ParseInt(head, area) || area < 1 || area > 255) Fail(where + ": bad area number '" + head + "'");
    if (points.size() < 3) Fail(where + ": a ring needs three points");
    source.areas[area].push_back(std::move(points));
  }
  return source;
}

// Area number under the centre of every pixel; cells[y * width + x], 0-based.
struct Grid {
  int width = 0, height = 0;
  std::vector<int> cells;
  int at(int x, int y) const { return x < 0 || y < 0 || x >= width || y >= height ? 0 : cells[std::size_t(y) * width + x]; }
};

// Even-odd scanline fill at pixel centres; a later area overwrites an earlier one.
Grid Rasterise(const MapSource& source, int width, int height) {
  Grid grid{width, height, std::vector<int>(std::size_t(width) * height, 0)};
  for (const auto& [area, rings] : source.areas) {
    for (int y = 0; y < height; ++y) {
      const double yc = y + 0.5;
      std::vector<double> xs;
      for (const Ring& ring : rings)
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
          const Point& a = ring[j];
          const Point& b = ring[i];
          if ((a.y <= yc) == (b.y <= yc)) continue;
          xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
        }
      std::sort(xs.begin(), xs.end());
      for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
        // Pixels whose centre x + 0.5 lies in [xs[k], xs[k + 1]).
        const int from = std::max(0, int(std::ceil(xs[k] - 0.5)));
        const int to = std::min(width - 1, int(std::ceil(xs[k + 1] - 0.5)) - 1);
        for (int x = from; x <= to; ++x) grid.cells[std::size_t(y) * width + x] = area;
      }
    }
  }
  return grid;
}

// Soft fill colours, one per area, chosen so that neighbours differ as much as
// the palette allows. The palette has as many hues as areas, in two lightness
// steps, and is handed out greedily, most-connected areas first.
std::map<int, QRgb> ChooseFills(const Grid& grid, const std::vector<int>& areas) {
  std::map<int, std::set<int>> neighbours;
  for (int y = 0; y < grid.height; ++y)
    for (int x = 0; x < grid.width; ++x) {
      const int a = grid.at(x, y);
      for (int b : {grid.at(x + 1, y), grid.at(x, y + 1)})
        if (a && b && a != b) neighbours[a].insert(b), neighbours[b].insert(a);
    }
  const int n = int(areas.size());
  std::vector<QColor> palette;
  for (int i = 0; i < n; ++i) {
    const int hue = (i * 360) / n;
    const bool light = i % 2 == 0;
    palette.push_back(QColor::fromHsv(hue, light ? 62 : 88, light ? 248 : 238));
  }
  auto distance = [](const QColor& a, const QColor& b) {
    const double dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
    return std::sqrt(2 * dr * dr + 4 * dg * dg + 3 * db * db);
  };
  std::vector<int> order = areas;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return neighbours[a].size() > neighbours[b].size(); });
  std::map<int, QRgb> fills;
  std::vector<bool> used(palette.size(), false);
  for (int area : order) {
    int best = -1;
    double bestScore = -1;
    for (std::size_t c = 0; c < palette.size(); ++c) {
      if (used[c]) continue;
      double score = 1e9;
      for (int other : neighbours[area]) {
        auto it = fills.find(other);
        if (it != fills.end()) score = std::min(score, distance(palette[c], QColor(it->second)));
      }
      if (score > bestScore) bestScore = score, best = int(c);
    }
    used[std::size_t(best)] = true;
    fills[area] = palette[std::size_t(best)].rgb();
  }
  return fills;
}

QRgb EdgeOf(QRgb fill) { return QColor(fill).darker(135).rgb(); }

struct Drawn {
  QImage picture;
  Grid grid;
};

Drawn DrawMap(const std::string& path, int height, QRgb background, QRgb frameColour, int expectedAreas) {
  const MapSource source = ReadMapSource(path);
  if (int(source.areas.size()) != expectedAreas || source.areas.begin()->first != 1 ||
      source.areas.rbegin()->first != expectedAreas)
    Fail(path + ": expected areas 1.." + std::to_string(expectedAreas));
  Grid grid = Rasterise(source, core::kMapWidth, height);
  std::vector<int> areas;
  for (const auto& entry : source.areas) areas.push_back(entry.first);
  const std::map<int, QRgb> fills = ChooseFills(grid, areas);

  // Every colour of the picture names one thing: an area, or no area.
  std::map<QRgb, int> owner{{background, 0}, {frameColour, 0}};
  for (const auto& [area, fill] : fills)
    for (QRgb c : {fill, EdgeOf(fill)})
      if (!owner.emplace(c, area).second) Fail(path + ": two areas would share a colour");

  QImage picture(core::kMapWidth, height, QImage::Format_RGB32);
  picture.fill(background);
  std::set<int> seen;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < core::kMapWidth; ++x) {
      const int a = grid.at(x, y);
      if (!a) {
        const bool onFrame = source.hasFrame && x >= source.frame[0] && x <= source.frame[2] &&
                             y >= source.frame[1] && y <= source.frame[3] &&
                             (x == source.frame[0] || x == source.frame[2] || y == source.frame[1] ||
                              y == source.frame[3]);
        if (onFrame) picture.setPixel(x, y, frameColour);
        continue;
      }
      seen.insert(a);
      // Coast pixels and the right/lower side of a shared border are the edge.
      const bool edge = !grid.at(x - 1, y) || !grid.at(x + 1, y) || !grid.at(x, y - 1) || !grid.at(x, y + 1) ||
                        (x + 1 < core::kMapWidth && grid.at(x + 1, y) != a) ||
                        (y + 1 < height && grid.at(x, y + 1) != a);
      picture.setPixel(x, y, edge ? EdgeOf(fills.at(a)) : fills.at(a));
    }
  if (int(seen.size()) != expectedAreas) Fail(path + ": some area covers no pixel");
  return {picture, grid};
}

struct NameRow {
  int number;
  std::string a, b;  // the other columns of the row
};

std::vector<std::vector<std::string>> ReadTable(const std::string& path, std::size_t columns) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : ReadSourceLines(path)) {
    std::vector<std::string> fields = core::SplitFields(line, '\t');
    if (fields.size() != columns) Fail(path + ": expected " + std::to_string(columns) + " columns: " + line);
    rows.push_back(std::move(fields));
  }
  return rows;
}

int Number(const std::string& text, const std::string& where) {
  int value = 0;
  if (!core::ParseInt(text, value)) Fail(where + ": not a number: " + text);
  return value;
}

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

// A name in the code page of the data files, at most width characters.
std::string Name(const std::string& utf8, std::size_t width, const std::string& where) {
  int unmappable = 0;
  std::string text = core::Utf8ToCp1252(utf8, &unmappable);
  if (unmappable) Fail(where + ": not in the code page: " + utf8);
  if (text.size() > width) Fail(where + ": longer than " + std::to_string(width) + " characters: " + utf8);
  return text;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  return file;
}

// "comunida": regions 1..19 (first province, name), then provinces (region, name).
std::string RegionNames(const std::string& path) {
  std::vector<std::string> regions, provinces;
  std::vector<int> first(20, 0);
  for (const auto& row : ReadTable(path, 4)) {
    const int number = Number(row[1], path), parent = Number(row[2], path);
    if (row[0] == "R") {
      if (number != int(regions.size()) + 1 || parent != number) Fail(path + ": regions out of order");
      regions.push_back(row[3]);
    } else if (row[0] == "P") {
      if (number != int(provinces.size()) + 1 || parent < 1 || parent > 19) Fail(path + ": provinces out of order");
      if (!first[std::size_t(parent)]) first[std::size_t(parent)] = number;
      if (parent < int(first.size()) - 1 && first[std::size_t(parent) + 1]) Fail(path + ": provinces not in region order");
      provinces.push_back(TwoDigits(parent) + Name(row[3], 53, path));
    } else {
      Fail(path + ": unknown row kind " + row[0]);
    }
  }
  if (regions.size() != 19) Fail(path + ": expected 19 regions");
  if (provinces.size() > 64) Fail(path + ": more provinces than the 64 entries of the program's province table");
  std::vector<std::string> lines;
  for (int r = 1; r <= 19; ++r) {
    if (!first[std::size_t(r)]) Fail(path + ": region " + std::to_string(r) + " has no province");
    lines.push_back(TwoDigits(first[std::size_t(r)]) + Name(regions[std::size_t(r) - 1], 53, path));
  }
  lines.insert(lines.end(), provinces.begin(), provinces.end());
  return Lines(lines);
}

// "comarcas": 41 comarques (code, number, name), then the districts (code, name).
std::string ComarcaNames(const std::string& path) {
  std::vector<std::string> lines;
  for (const auto& row : ReadTable(path, 3)) {
    const int number = Number(row[0], path);
    if (number != int(lines.size()) + 1 || row[1].size() != 2) Fail(path + ": bad row " + row[0]);
    lines.push_back(number <= 41 ? row[1] + TwoDigits(number) + Name(row[2], 20, path)
                                 : row[1] + Name(row[2], 30, path));
  }
  if (lines.size() < 41 || lines.size() > 60) Fail(path + ": expected 41 comarques and at most 19 more lines");
  return Lines(lines);
}

// "comarcasm": one line per caption name (code, zone, name), at most three per zone.
std::string ZoneNames(const std::string& path) {
  std::vector<std::string> lines;
  std::map<int, int> perZone;
  for (const auto& row : ReadTable(path, 3)) {
    const int zone = Number(row[0], path);
    if (zone < 1 || zone > 28 || ++perZone[zone] > 3 || row[1].size() != 2) Fail(path + ": bad row for zone " + row[0]);
    lines.push_back(row[1] + TwoDigits(zone) + Name(row[2], 25, path));
  }
  if (perZone.size() != 28) Fail(path + ": expected zones 1..28");
  return Lines(lines);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (!out) Fail("cannot write " + path);
}

void SavePicture(const QImage& picture, const std::string& path) {
  if (!picture.save(QString::fromStdString(path), "PNG")) Fail("cannot write " + path);
}

void CopyToRaster(const Grid& grid, core::MapRaster& raster) {
  for (int y = 0; y < grid.height; ++y)
    for (int x = 0; x < grid.width; ++x) raster.Set(x + 1, y + 1, static_cast<std::uint8_t>(grid.at(x, y)));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: trazora-mapgen SRC_GEO_DIR OUT_DIR\n");
    return 2;
  }
  const std::string src = std::string(argv[1]) + "/", out = std::string(argv[2]) + "/";
  try {
    if (!QDir().mkpath(QString::fromStdString(out))) Fail("cannot create " + out);
    const QRgb sea = qRgb(0xE4, 0xF0, 0xFA), frame = qRgb(0x9D, 0xB8, 0xD2), paper = qRgb(0xF6, 0xF8, 0xFB);
    const Drawn spain = DrawMap(src + "mapa.txt", core::kSpainHeight, sea, frame, 19);
    const Drawn catalonia = DrawMap(src + "mapac.txt", core::kDetailHeight, paper, frame, 41);
    const Drawn madrid = DrawMap(src + "mapam.txt", core::kDetailHeight, paper, frame, 28);

    // Each marker point of the program must fall inside its own region.
    const auto store = std::make_unique<core::Store>();
    for (int r = 1; r <= 19; ++r) {
      const auto [x, y] = store->markers[std::size_t(r)];
      if (spain.grid.at(x - 1, y - 1) != r)
        Fail("marker (" + std::to_string(x) + ", " + std::to_string(y) + ") is not inside region " + std::to_string(r));
    }

    core::MapRasters rasters;
    CopyToRaster(spain.grid, rasters.spain);
    CopyToRaster(catalonia.grid, rasters.catalonia);
    CopyToRaster(madrid.grid, rasters.madrid);
    const std::string comunida = RegionNames(src + "regions.tsv");
    const std::string comarcas = ComarcaNames(src + "comarcas.tsv");
    const std::string comarcasm = ZoneNames(src + "comarcasm.tsv");

    SavePicture(spain.picture, out + "mapa");
    SavePicture(catalonia.picture, out + "mapac");
    SavePicture(madrid.picture, out + "mapam");
    WriteBytes(out + "puntos3", core::EncodeMapRasters(rasters));
    WriteBytes(out + "comunida", comunida);
    WriteBytes(out + "comarcas", comarcas);
    WriteBytes(out + "comarcasm", comarcasm);
  } catch (const Failure& failure) {
    std::fprintf(stderr, "trazora-mapgen: %s\n", failure.what.c_str());
    return 1;
  }
  return 0;
}
