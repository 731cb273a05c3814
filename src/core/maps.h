// Hit-test rasters of the three clickable maps, built from "puntos3": the
// region number under every pixel, 0 for none.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

inline constexpr int kMapWidth = 281;
inline constexpr int kSpainHeight = 196;   // "mapa"
inline constexpr int kDetailHeight = 220;  // "mapac", "mapam"
inline constexpr int kRasterBlockInts = kSpainHeight + 2 * kDetailHeight;            // 636
inline constexpr std::size_t kRasterFileSize = std::size_t{kMapWidth} * kRasterBlockInts * 4;  // 714864

enum class MapKind { Spain, Catalonia, Madrid };

class MapRaster {
 public:
  explicit MapRaster(int height = kSpainHeight) : height_(height), cells_(std::size_t{kMapWidth} * height) {}
  int height() const { return height_; }
  // Region at 1-based image pixel (x, y); 0 outside the raster or over no region.
  int RegionAt(int x, int y) const {
    if (!Inside(x, y)) return 0;
    return cells_[Index(x, y)];
  }
  bool Inside(int x, int y) const { return x >= 1 && x <= kMapWidth && y >= 1 && y <= height_; }
  void Set(int x, int y, std::uint8_t value) {
    if (Inside(x, y)) cells_[Index(x, y)] = value;
  }
  void Clear() { std::fill(cells_.begin(), cells_.end(), 0); }

 private:
  std::size_t Index(int x, int y) const { return std::size_t(x - 1) * height_ + std::size_t(y - 1); }
  int height_;
  std::vector<std::uint8_t> cells_;
};

struct MapRasters {
  MapRaster spain{kSpainHeight}, catalonia{kDetailHeight}, madrid{kDetailHeight};
  const MapRaster& of(MapKind kind) const {
    return kind == MapKind::Spain ? spain : kind == MapKind::Catalonia ? catalonia : madrid;
  }
};

// Builds the rasters from the bytes of "puntos3"; false when the size is wrong.
bool BuildMapRasters(const std::string& bytes, MapRasters& rasters);
// The bytes of "puntos3" for three rasters (used by the map tools and tests).
std::string EncodeMapRasters(const MapRasters& rasters);

}  // namespace core
