#include "drawing.h"

namespace core {

unsigned GradientColour(int n, int height, unsigned a, unsigned b) {
  if (height <= 0) return a;
  unsigned out = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    int ca = static_cast<int>((a >> shift) & 0xFF);
    int cb = static_cast<int>((b >> shift) & 0xFF);
    long long num = static_cast<long long>(n) * (cb - ca);
    // ceiling of num / height for either sign
    long long q = num / height;
    if (num % height != 0 && num > 0) ++q;
    out |= static_cast<unsigned>((ca + q) & 0xFF) << shift;
  }
  return out;
}

std::vector<TilePos> TilePositions(int areaWidth, int areaHeight, int tileWidth, int tileHeight) {
  std::vector<TilePos> tiles;
  if (tileWidth <= 0 || tileHeight <= 0) return tiles;
  for (int y = 0; y < areaHeight; y += tileHeight)
    for (int x = 0; x < areaWidth; x += tileWidth) tiles.push_back({x, y});
  return tiles;
}

}  // namespace core
