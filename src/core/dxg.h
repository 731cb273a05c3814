// The image collections of the animated world ("segdxg1.DXG", "vector.DXG"):
// named pictures, each one or more frames side by side, stored as PNG. The
// layout is described in tools/artgen/DXG.md; this reader trusts nothing in
// the file and never reads past its end.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct DxgImage {
  std::string name;
  int frameWidth = 0;
  int frameHeight = 0;
  int frameCount = 0;
  std::string png;  // the PNG file of the whole strip, frameWidth x frameCount by frameHeight
};

inline constexpr std::string_view kDxgMagic{"TRZDXG1\n", 8};
// Limits a well-formed collection stays within.
inline constexpr int kDxgMaxImages = 4096;
inline constexpr int kDxgMaxNameLength = 255;
inline constexpr int kDxgMaxFrameSide = 4096;
inline constexpr int kDxgMaxFrames = 256;
inline constexpr int kDxgMaxStripWidth = 32768;

// The images in file order; nothing when the bytes are not a well-formed
// collection: wrong magic, a count or length beyond the end or the limits, an
// empty, non-printable-ASCII or repeated name, a zero size, a PNG whose
// signature or header size disagrees with its frames, or bytes left over.
std::optional<std::vector<DxgImage>> ParseDxg(std::string_view bytes);

// The image of that name, or nullptr.
const DxgImage* FindDxgImage(const std::vector<DxgImage>& images, std::string_view name);

}  // namespace core
