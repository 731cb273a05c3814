#include "maps.h"

namespace core {
namespace {

std::uint32_t IntAt(const std::string& bytes, std::size_t index) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + index * 4;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

void PutInt(std::string& bytes, std::size_t index, std::uint32_t value) {
  for (int k = 0; k < 4; ++k) bytes[index * 4 + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

}  // namespace

bool BuildMapRasters(const std::string& bytes, MapRasters& rasters) {
  if (bytes.size() != kRasterFileSize) return false;
  for (int x = 1; x <= kMapWidth; ++x) {
    std::size_t block = std::size_t(x - 1) * kRasterBlockInts;
    // Each cell keeps only the low byte of its integer.
    for (int y = 1; y <= kSpainHeight; ++y)
      rasters.spain.Set(x, y, static_cast<std::uint8_t>(IntAt(bytes, block + y - 1)));
    for (int y = 1; y <= kDetailHeight; ++y) {
      rasters.catalonia.Set(x, y, static_cast<std::uint8_t>(IntAt(bytes, block + kSpainHeight + y - 1)));
      rasters.madrid.Set(x, y,
                         static_cast<std::uint8_t>(IntAt(bytes, block + kSpainHeight + kDetailHeight + y - 1)));
    }
  }
  return true;
}

std::string EncodeMapRasters(const MapRasters& rasters) {
  std::string bytes(kRasterFileSize, '\0');
  for (int x = 1; x <= kMapWidth; ++x) {
    std::size_t block = std::size_t(x - 1) * kRasterBlockInts;
    for (int y = 1; y <= kSpainHeight; ++y) PutInt(bytes, block + y - 1, rasters.spain.RegionAt(x, y));
    for (int y = 1; y <= kDetailHeight; ++y) {
      PutInt(bytes, block + kSpainHeight + y - 1, rasters.catalonia.RegionAt(x, y));
      PutInt(bytes, block + kSpainHeight + kDetailHeight + y - 1, rasters.madrid.RegionAt(x, y));
    }
  }
  return bytes;
}

}  // namespace core
