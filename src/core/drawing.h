// Colour and placement arithmetic of the screen drawing functions; the
// user-interface layer paints what these compute.
#pragma once

#include <vector>

namespace core {

// Colour of pixel row n of a gradient of the given height from a to b
// (RGB): per channel a + ceiling(n * (b - a) / height), kept to 8 bits.
unsigned GradientColour(int n, int height, unsigned a, unsigned b);

struct TilePos {
  int x, y;
};
// Top-left corners of the tiles that cover an area, left to right, top to bottom.
std::vector<TilePos> TilePositions(int areaWidth, int areaHeight, int tileWidth, int tileHeight);

}  // namespace core
