// The drawn artwork of the built data folder: the icon strips and small
// pictures, the animated world's two image collections read by the core's own
// reader (and broken copies of a collection it must refuse), and the
// helicopter sound.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/dxg.h"
#include "core/textfile.h"

namespace {

const std::string kData = std::string(TRAZORA_TEST_DATA) + "/";

QImage LoadPicture(const std::string& file) {
  QImage image;
  auto bytes = core::ReadBytes(kData + file);
  if (bytes) image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
  return image;
}

// True when some pixel of the frame is not fully transparent.
bool FrameHasPaint(const QImage& strip, int frame, int w) {
  for (int y = 0; y < strip.height(); ++y)
    for (int x = frame * w; x < (frame + 1) * w; ++x)
      if (qAlpha(strip.pixel(x, y)) > 0) return true;
  return false;
}

// ---- icon strips and small pictures ----------------------------------------------------------

struct StripCase {
  const char* file;
  int frameWidth, frameHeight, frames;
};
const StripCase kStrips[] = {
    {"iconos", 30, 27, 44},    {"iconos_grados", 16, 16, 10}, {"ramas", 48, 36, 6},     {"flecha.png", 40, 40, 2},
    {"asis_heli.png", 48, 30, 1}, {"muro1.png", 473, 20, 1},   {"muro2.png", 361, 20, 1},
};

TEST(ArtworkIcons, EveryStripHasItsFrameSizeAndNoEmptyFrame) {
  for (const StripCase& c : kStrips) {
    SCOPED_TRACE(c.file);
    const QImage image = LoadPicture(c.file);
    ASSERT_FALSE(image.isNull()) << "missing or not a picture";
    EXPECT_EQ(image.width(), c.frameWidth * c.frames);
    EXPECT_EQ(image.height(), c.frameHeight);
    EXPECT_TRUE(image.hasAlphaChannel()) << "icons are drawn on a transparent background";
    // Corners of the first frame stay transparent for the list rows' own colours.
    if (c.frames > 1) {
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
    for (int f = 0; f < c.frames && image.width() == c.frameWidth * c.frames; ++f)
      EXPECT_TRUE(FrameHasPaint(image, f, c.frameWidth)) << "frame " << f << " is blank";
  }
}

// ---- the animated world's collections ---------------------------------------------------------

std::vector<std::string> FigureFrameNames() {
  std::vector<std::string> names;
  for (const char* d : {"manup", "mandown", "mander", "manizq", "manupder", "manupizq", "mandownder", "mandownizq"})
    for (int f = 1; f <= 10; ++f) names.push_back(std::string(d) + (f < 10 ? "0" : "") + std::to_string(f));
  return names;
}

struct CollectionCase {
  const char* file;
  std::vector<std::string> names;  // every picture the world looks up in it
};

std::vector<CollectionCase> Collections() {
  std::vector<std::string> figure = FigureFrameNames();
  for (const char* n : {"lupa", "lupa2", "diana", "diana2", "puertaS", "puertaS2", "circ1", "puerta22"})
    figure.push_back(n);
  return {
      {"segdxg1.DXG", figure},
      {"vector.DXG",
       {"background", "paredEx", "paredUp", "pared", "lateral1", "lateral2", "lateralPaso", "puertaB", "puertab",
        "puerta22", "puer3", "rotulos", "rotulo1", "rotulo2", "tabla1", "faraon1", "faraon2", "antorcha", "zoom",
        "zoomC", "bocadillo"}},
  };
}

TEST(ArtworkDxg, BothCollectionsHoldEveryPictureTheWorldNeeds) {
  for (const CollectionCase& c : Collections()) {
    SCOPED_TRACE(c.file);
    auto bytes = core::ReadBytes(kData + c.file);
    ASSERT_TRUE(bytes.has_value()) << "missing";
    auto images = core::ParseDxg(*bytes);
    ASSERT_TRUE(images.has_value()) << "rejected by the reader";
    for (const std::string& name : c.names) EXPECT_NE(core::FindDxgImage(*images, name), nullptr) << name;
    for (const core::DxgImage& image : *images) {
      SCOPED_TRACE(image.name);
      QImage picture;
      ASSERT_TRUE(picture.loadFromData(reinterpret_cast<const uchar*>(image.png.data()), static_cast<int>(image.png.size()), "PNG"));
      EXPECT_EQ(picture.width(), image.frameWidth * image.frameCount);
      EXPECT_EQ(picture.height(), image.frameHeight);
      EXPECT_TRUE(picture.hasAlphaChannel());
    }
  }
}

TEST(ArtworkDxg, FigureFramesShareOneSizeAndTheTorchIsAnimated) {
  auto seg = core::ParseDxg(core::ReadBytes(kData + "segdxg1.DXG").value_or(""));
  auto vec = core::ParseDxg(core::ReadBytes(kData + "vector.DXG").value_or(""));
  ASSERT_TRUE(seg && vec);
  const core::DxgImage* first = core::FindDxgImage(*seg, "mandown01");
  ASSERT_NE(first, nullptr);
  for (const std::string& name : FigureFrameNames()) {
    const core::DxgImage* frame = core::FindDxgImage(*seg, name);
    ASSERT_NE(frame, nullptr) << name;
    EXPECT_EQ(frame->frameWidth, first->frameWidth) << name;
    EXPECT_EQ(frame->frameHeight, first->frameHeight) << name;
    EXPECT_EQ(frame->frameCount, 1) << name;
  }
  // Walking frames differ from each other (a stuck copy would not animate).
  EXPECT_NE(core::FindDxgImage(*seg, "mander01")->png, core::FindDxgImage(*seg, "mander04")->png);
  const core::DxgImage* torch = core::FindDxgImage(*vec, "antorcha");
  ASSERT_NE(torch, nullptr);
  EXPECT_GT(torch->frameCount, 1);
  // Doors swap pictures in place: closed, hovered and open share one size.
  for (const char* door : {"puertaB", "puertab", "puer3"}) {
    EXPECT_EQ(core::FindDxgImage(*vec, door)->frameWidth, core::FindDxgImage(*seg, "puerta22")->frameWidth) << door;
    EXPECT_EQ(core::FindDxgImage(*vec, door)->frameHeight, core::FindDxgImage(*seg, "puerta22")->frameHeight) << door;
  }
}

// A small collection written by hand, to be broken in the cases below.
void PutU32(std::string& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

std::string Png(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(qRgba(47, 53, 84, 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

struct Entry {
  std::string name;
  std::uint32_t w, h, frames;
  std::string png;
};

std::string Encode(const std::vector<Entry>& entries, std::uint32_t count) {
  std::string b(core::kDxgMagic);
  PutU32(b, count);
  for (const Entry& e : entries) {
    PutU32(b, static_cast<std::uint32_t>(e.name.size()));
    b += e.name;
    PutU32(b, e.w);
    PutU32(b, e.h);
    PutU32(b, e.frames);
    PutU32(b, static_cast<std::uint32_t>(e.png.size()));
    b += e.png;
  }
  return b;
}

std::vector<Entry> Good() { return {{"diana", 4, 3, 1, Png(4, 3)}, {"antorcha", 2, 5, 3, Png(6, 5)}}; }

std::string Patched(std::string b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xff);
  return b;
}

TEST(ArtworkDxg, WellFormedCollectionParsesWithItsFields) {
  auto images = core::ParseDxg(Encode(Good(), 2));
  ASSERT_TRUE(images.has_value());
  ASSERT_EQ(images->size(), 2u);
  EXPECT_EQ((*images)[1].name, "antorcha");
  EXPECT_EQ((*images)[1].frameWidth, 2);
  EXPECT_EQ((*images)[1].frameHeight, 5);
  EXPECT_EQ((*images)[1].frameCount, 3);
  EXPECT_EQ((*images)[1].png, Png(6, 5));
  EXPECT_TRUE(core::ParseDxg(Encode({}, 0)).has_value()) << "an empty collection is well formed";
}

TEST(ArtworkDxg, EveryTruncationIsRejected) {
  const std::string good = Encode(Good(), 2);
  for (std::size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(core::ParseDxg(std::string_view(good).substr(0, n)).has_value()) << "cut at " << n;
  // The real files too, cut in the middle of their data.
  for (const char* file : {"segdxg1.DXG", "vector.DXG"}) {
    const std::string real = core::ReadBytes(kData + file).value_or("");
    ASSERT_GT(real.size(), 100u) << file;
    EXPECT_FALSE(core::ParseDxg(std::string_view(real).substr(0, real.size() / 2)).has_value()) << file;
    EXPECT_FALSE(core::ParseDxg(std::string_view(real).substr(0, real.size() - 1)).has_value()) << file;
  }
}

TEST(ArtworkDxg, CorruptedCollectionsAreRejected) {
  const std::string good = Encode(Good(), 2);
  // Offsets in the first entry: magic 0, count 8, name length 12, name 16, w 21, h 25, frames 29, png length 33, png 37.
  struct Broken {
    const char* what;
    std::string bytes;
  };
  std::string badMagic = good;
  badMagic[3] = 'x';
  std::string badSignature = good;
  badSignature[37 + 1] = 'Q';
  std::vector<Entry> narrow = Good();
  narrow[0].w = 5;  // the PNG is 4 wide
  std::vector<Entry> repeated = Good();
  repeated[1].name = "diana";
  std::vector<Entry> spaced = Good();
  spaced[0].name = "di ana";
  std::vector<Entry> control = Good();
  control[0].name = std::string("dia\nna");
  std::vector<Entry> nameless = Good();
  nameless[0].name.clear();
  std::vector<Entry> notPng = Good();
  notPng[0].png = std::string(40, 'P');
  const Broken cases[] = {
      {"empty", ""},
      {"magic only", std::string(core::kDxgMagic)},
      {"wrong magic", badMagic},
      {"count above the entries", Patched(good, 8, 3)},
      {"count beyond the limit", Patched(Encode({}, 0), 8, 0xffffffffu)},
      {"name length beyond the end", Patched(good, 12, 0x7fffffffu)},
      {"zero frame width", Patched(good, 21, 0)},
      {"zero frame height", Patched(good, 25, 0)},
      {"zero frames", Patched(good, 29, 0)},
      {"huge frame width", Patched(good, 21, 0x80000000u)},
      {"png length beyond the end", Patched(good, 33, 0xfffffff0u)},
      {"png length one short", Patched(good, 33, static_cast<std::uint32_t>(Png(4, 3).size() - 1))},
      {"broken png signature", badSignature},
      {"png size disagrees with the frames", Encode(narrow, 2)},
      {"repeated name", Encode(repeated, 2)},
      {"name with a space", Encode(spaced, 2)},
      {"name with a line break", Encode(control, 2)},
      {"empty name", Encode(nameless, 2)},
      {"not a png", Encode(notPng, 2)},
      {"a byte left over", good + std::string(1, '\0')},
  };
  ASSERT_TRUE(core::ParseDxg(good).has_value());
  for (const Broken& c : cases) EXPECT_FALSE(core::ParseDxg(c.bytes).has_value()) << c.what;
}

// ---- the helicopter sound ------------------------------------------------------------------

std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
  return v;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

TEST(ArtworkSound, MotorIsAShortLoopableMonoWave) {
  const std::string wav = core::ReadBytes(kData + "motor.wav").value_or("");
  ASSERT_GE(wav.size(), 44u) << "missing or too short for a header";
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(U32(wav, 4), wav.size() - 8);
  EXPECT_EQ(wav.substr(8, 4), "WAVE");
  EXPECT_EQ(wav.substr(12, 4), "fmt ");
  EXPECT_EQ(U32(wav, 16), 16u);
  EXPECT_EQ(U16(wav, 20), 1) << "PCM";
  EXPECT_EQ(U16(wav, 22), 1) << "mono";
  EXPECT_EQ(U32(wav, 24), 22050u);
  EXPECT_EQ(U32(wav, 28), 22050u * 2);
  EXPECT_EQ(U16(wav, 32), 2);
  EXPECT_EQ(U16(wav, 34), 16);
  EXPECT_EQ(wav.substr(36, 4), "data");
  const std::uint32_t dataSize = U32(wav, 40);
  ASSERT_EQ(dataSize, wav.size() - 44);
  const double seconds = dataSize / 2.0 / 22050.0;
  EXPECT_GE(seconds, 1.5);
  EXPECT_LE(seconds, 3.0);

  std::vector<int> s(dataSize / 2);
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<std::int16_t>(U16(wav, 44 + 2 * i));
  int peak = 0, step = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    peak = std::max(peak, std::abs(s[i]));
    if (i > 0) step = std::max(step, std::abs(s[i] - s[i - 1]));
  }
  EXPECT_GT(peak, 2000) << "audible";
  EXPECT_LT(peak, 26000) << "gentle, never clipping";
  // Looping joins the last sample to the first: no bigger jump than inside the sound.
  EXPECT_LE(std::abs(s.back() - s.front()), step);
}

}  // namespace
