// The pictures of the animated world, gathered into its two image collections.
// Sizes follow the scene's geometry (see DXG.md): the figure walks in rooms
// whose walls show an 87-pixel top band and a 96-pixel front face with doors.
#pragma once
#include <vector>

#include "dxgwriter.h"

namespace art {

constexpr int kManW = 66;
constexpr int kManH = 104;
constexpr int kManFrames = 10;
constexpr int kTorchFrames = 8;

// "segdxg1.DXG": the figure's 80 walking frames, the magnifier, the target,
// the exit door, the click marker and the hovered door.
std::vector<DxgEntry> FigureCollection();
// "vector.DXG": floor, walls, doors, signs, statues, torches, bubble and zoom.
std::vector<DxgEntry> SceneCollection();

}  // namespace art
