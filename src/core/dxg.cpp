#include "dxg.h"

#include <cstdint>
#include <set>

namespace core {
namespace {

// A cursor over the bytes that fails, rather than reads, past the end.
class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

  bool U32(std::uint32_t& v) {
    if (bytes_.size() - pos_ < 4) return false;
    v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes_[pos_ + static_cast<std::size_t>(i)]);
    pos_ += 4;
    return true;
  }
  bool Take(std::size_t n, std::string_view& out) {
    if (bytes_.size() - pos_ < n) return false;
    out = bytes_.substr(pos_, n);
    pos_ += n;
    return true;
  }
  bool AtEnd() const { return pos_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

std::uint32_t BigEndian32(std::string_view b, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

bool NameOk(std::string_view name) {
  if (name.empty() || name.size() > static_cast<std::size_t>(kDxgMaxNameLength)) return false;
  for (char c : name)
    if (c < 0x21 || c > 0x7e) return false;
  return true;
}

// The PNG signature, then the IHDR chunk first with the strip's width and height.
bool PngMatches(std::string_view png, std::uint32_t width, std::uint32_t height) {
  static constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};
  if (png.size() < 33 || png.substr(0, 8) != kSignature) return false;
  if (BigEndian32(png, 8) != 13 || png.substr(12, 4) != "IHDR") return false;
  return BigEndian32(png, 16) == width && BigEndian32(png, 20) == height;
}

bool InRange(std::uint32_t v, int low, int high) {
  return v >= static_cast<std::uint32_t>(low) && v <= static_cast<std::uint32_t>(high);
}

}  // namespace

std::optional<std::vector<DxgImage>> ParseDxg(std::string_view bytes) {
  Cursor in(bytes);
  std::string_view magic;
  if (!in.Take(kDxgMagic.size(), magic) || magic != kDxgMagic) return std::nullopt;
  std::uint32_t count = 0;
  if (!in.U32(count) || count > static_cast<std::uint32_t>(kDxgMaxImages)) return std::nullopt;
  std::vector<DxgImage> images;
  std::set<std::string, std::less<>> names;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t nameLength = 0, w = 0, h = 0, frames = 0, pngLength = 0;
    std::string_view name, png;
    if (!in.U32(nameLength) || nameLength > static_cast<std::uint32_t>(kDxgMaxNameLength)) return std::nullopt;
    if (!in.Take(nameLength, name) || !NameOk(name) || names.count(name) != 0) return std::nullopt;
    if (!in.U32(w) || !in.U32(h) || !in.U32(frames) || !in.U32(pngLength)) return std::nullopt;
    if (!InRange(w, 1, kDxgMaxFrameSide) || !InRange(h, 1, kDxgMaxFrameSide) || !InRange(frames, 1, kDxgMaxFrames))
      return std::nullopt;
    if (w * frames > static_cast<std::uint32_t>(kDxgMaxStripWidth)) return std::nullopt;
    if (!in.Take(pngLength, png) || !PngMatches(png, w * frames, h)) return std::nullopt;
    names.emplace(name);
    DxgImage image;
    image.name = std::string(name);
    image.frameWidth = static_cast<int>(w);
    image.frameHeight = static_cast<int>(h);
    image.frameCount = static_cast<int>(frames);
    image.png = std::string(png);
    images.push_back(std::move(image));
  }
  if (!in.AtEnd()) return std::nullopt;
  return images;
}

const DxgImage* FindDxgImage(const std::vector<DxgImage>& images, std::string_view name) {
  for (const DxgImage& image : images)
    if (image.name == name) return &image;
  return nullptr;
}

}  // namespace core
