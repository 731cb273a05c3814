#include "validator.h"

#include <cstdint>
#include <optional>

#include "core/maps.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/textfile.h"
#include "core/texttable.h"

namespace validate {
namespace {

const char* const kLanguages[] = {"cas/", "catVal/", "galego/", "euskera/"};

// Interface texts that no screen shows; every other one must be written.
struct Range {
  int first, last;
};
constexpr Range kUnusedTexts[] = {
    {1, 1},     {5, 5},     {7, 7},     {31, 32},   {34, 35},   {39, 40},   {50, 51},   {53, 53},   {56, 74},
    {78, 78},   {81, 81},   {83, 83},   {85, 87},   {89, 90},   {93, 96},   {98, 98},   {101, 102}, {106, 110},
    {112, 112}, {114, 120}, {122, 122}, {126, 126}, {166, 172}, {183, 187}, {192, 198}, {200, 200}, {203, 206},
    {221, 221}, {223, 223}, {225, 226}, {229, 230}, {236, 238}, {241, 241}, {243, 251}, {255, 262}, {268, 270},
    {272, 272}, {275, 275}, {281, 282}, {291, 291}, {293, 295}, {297, 297}, {304, 304}, {308, 310}, {313, 315},
    {324, 324}, {331, 337}, {341, 345}, {348, 354}, {385, 385}, {397, 401}, {405, 405}, {427, 428}, {430, 436},
    {439, 441}, {443, 447}, {487, 491}, {500, 501}, {520, 521}, {536, 537}, {554, 554}, {556, 556}, {573, 574},
    {576, 576}, {586, 586}, {589, 591}, {599, 599}, {611, 612}, {638, 638}, {652, 663}, {672, 673}, {675, 677},
    {679, 688}, {697, 710}, {716, 716}, {718, 718}, {729, 729}, {733, 750}};

bool TextIsUsed(int n) {
  for (const Range& r : kUnusedTexts)
    if (n >= r.first && n <= r.last) return false;
  return true;
}

// Bytes that Windows-1252 leaves undefined.
bool UndefinedInCodePage(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

class Checker {
 public:
  explicit Checker(std::string dir) : dir_(std::move(dir)) {}

  void Report(const std::string& file, int line, const std::string& text) { problems_.push_back({file, line, text}); }

  // The lines of a text file, checked for CR LF ends and for characters the
  // code page cannot show. Nothing (and a problem when required) if missing.
  std::optional<std::vector<std::string>> Lines(const std::string& file, bool required = true) {
    auto bytes = core::ReadBytes(dir_ + file);
    if (!bytes) {
      if (required) Report(file, 0, "missing file");
      return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string current;
    bool bareEnd = false;
    const std::string& b = *bytes;
    for (std::size_t i = 0; i < b.size(); ++i) {
      char c = b[i];
      if (c == '\r' || c == '\n') {
        bool crlf = c == '\r' && i + 1 < b.size() && b[i + 1] == '\n';
        if (!crlf && !bareEnd) {
          Report(file, static_cast<int>(lines.size()) + 1, "line ends without CR LF");
          bareEnd = true;
        }
        if (crlf) ++i;
        lines.push_back(std::move(current));
        current.clear();
      } else {
        current += c;
      }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    for (std::size_t n = 0; n < lines.size(); ++n) {
      for (unsigned char c : lines[n]) {
        if (UndefinedInCodePage(c) || (c < 0x20 && c != '\t')) {
          Report(file, static_cast<int>(n) + 1, "character outside Windows-1252 (byte " + std::to_string(c) + ")");
          break;
        }
      }
    }
    return lines;
  }

  // Width of a line as shown: trailing spaces do not count.
  static std::size_t ShownLength(const std::string& line) { return core::TrimRightSpaces(line).size(); }

  void AtMostLines(const std::string& file, const std::vector<std::string>& lines, std::size_t capacity) {
    if (lines.size() > capacity)
      Report(file, static_cast<int>(capacity) + 1,
             std::to_string(lines.size()) + " lines, more than the " + std::to_string(capacity) + " the table holds");
  }

  void Settings() {
    const std::string file = core::kSettingsFile;
    auto bytes = core::ReadBytes(dir_ + file);
    if (!bytes) {
      Report(file, 0, "missing file (write it with trazora-clave)");
      return;
    }
    if (bytes->size() != core::kSettingsSize) {
      Report(file, 0, std::to_string(bytes->size()) + " bytes instead of 86");
      return;
    }
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>((*bytes)[i]); };
    if (byte(core::kOffsetNameLength) == 0 || byte(core::kOffsetNameLength) > core::kCentreNameMax)
      Report(file, 0, "centre name length " + std::to_string(byte(core::kOffsetNameLength)) + " (1 to 50)");
    if (byte(core::kOffsetLanguage) > 3)
      Report(file, 0, "language " + std::to_string(byte(core::kOffsetLanguage)) + " (0 to 3)");
  }

  void Texts(const std::string& lang) {
    const std::string file = lang + "textos";
    auto lines = Lines(file);
    if (!lines) return;
    AtMostLines(file, *lines, core::kTextEntries - 1);
    for (int n = core::kFirstInterfaceText; n <= core::kLastInterfaceText; ++n) {
      const int width = core::TextWidth(n);
      if (width == 0) continue;
      const std::string text = n <= static_cast<int>(lines->size()) ? (*lines)[n - 1] : std::string();
      const std::size_t shown = ShownLength(text);
      if (shown == 0 && TextIsUsed(n)) Report(file, n, "interface text " + std::to_string(n) + " is empty");
      else if (shown > static_cast<std::size_t>(width))
        Report(file, n, "interface text " + std::to_string(n) + " has " + std::to_string(shown) +
                            " characters, more than its width " + std::to_string(width));
    }
  }

  // Coded lines of the explanation files, shown 60 characters wide.
  void WideList(const std::string& file) {
    auto lines = Lines(file);
    if (!lines) return;
    AtMostLines(file, *lines, 600);
    for (std::size_t n = 0; n < lines->size() && n < 600; ++n)
      if (ShownLength((*lines)[n]) > 60)
        Report(file, static_cast<int>(n) + 1, "longer than the 60 characters shown");
  }

  void Courses(const std::string& lang) {
    const std::string file = lang + "cursespe";
    auto lines = Lines(file);
    if (!lines) return;
    std::vector<std::string> trimmed;
    for (const auto& l : *lines) trimmed.push_back(core::TrimBlanks(l));
    int k = 0;
    if (trimmed.empty() || !core::ParseInt(trimmed[0], k) || k < 2 || k > static_cast<int>(trimmed.size()) + 1) {
      Report(file, 1, "first line must be the line number where the second list starts (2 to " +
                          std::to_string(trimmed.size() + 1) + ")");
      return;
    }
    auto list = [&](int first, int last, const char* name) {  // 1-based, inclusive
      int count = last - first + 1;
      if (count > 100) Report(file, first + 100, std::string("list ") + name + " has more than 100 lines");
      if (count % 3 != 0) Report(file, last, std::string("list ") + name + " is not made of groups of three lines");
      for (int line = first; line + 2 <= last; line += 3) {
        const std::string& course = trimmed[static_cast<std::size_t>(line - 1)];
        int family = 0;
        if (course.size() < 3 || !core::ParseInt(course.substr(0, 2), family) || family < 1 || family > 26)
          Report(file, line, "a course line starts with its family code 01 to 26");
        if (trimmed[static_cast<std::size_t>(line)].empty()) Report(file, line + 1, "empty second text");
        Address(file, line + 2, trimmed[static_cast<std::size_t>(line + 1)]);
      }
    };
    list(2, k - 1, "A");
    list(k, static_cast<int>(trimmed.size()), "B");
  }

  // An address the program hands to the browser or opens as a document.
  void Address(const std::string& file, int line, const std::string& address) {
    if (address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0) return;
    if (address.empty() || address.find("..") != std::string::npos || address[0] == '/' ||
        !core::FileExists(dir_ + address))
      Report(file, line, "address is neither http(s) nor a document of the data folder: \"" +
                             core::Cp1252ToUtf8(address) + "\"");
  }

  void MapRasters() {
    auto bytes = core::ReadBytes(dir_ + "puntos3");
    if (!bytes) Report("puntos3", 0, "missing file");
    else if (bytes->size() != core::kRasterFileSize)
      Report("puntos3", 0, std::to_string(bytes->size()) + " bytes instead of " + std::to_string(core::kRasterFileSize));
  }

  // Width and height from a PNG or BMP header.
  static std::optional<std::pair<int, int>> PictureSize(const std::string& b) {
    auto be32 = [&](std::size_t i) {
      return (static_cast<unsigned char>(b[i]) << 24) | (static_cast<unsigned char>(b[i + 1]) << 16) |
             (static_cast<unsigned char>(b[i + 2]) << 8) | static_cast<unsigned char>(b[i + 3]);
    };
    auto le32 = [&](std::size_t i) {
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) |
                                       (static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 1])) << 8) |
                                       (static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 2])) << 16) |
                                       (static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 3])) << 24));
    };
    if (b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) return std::pair{be32(16), be32(20)};
    if (b.size() >= 26 && b.compare(0, 2, "BM") == 0) {
      int h = le32(22);
      return std::pair{le32(18), h < 0 ? -h : h};
    }
    return std::nullopt;
  }

  void Picture(const std::string& file, int width, int height) {
    auto bytes = core::ReadBytes(dir_ + file);
    if (!bytes) {
      Report(file, 0, "missing picture");
      return;
    }
    auto size = PictureSize(*bytes);
    if (!size) Report(file, 0, "not a PNG or BMP picture");
    else if (width > 0 && (size->first != width || size->second != height))
      Report(file, 0, std::to_string(size->first) + " x " + std::to_string(size->second) + " pixels instead of " +
                          std::to_string(width) + " x " + std::to_string(height));
  }

  void Pictures() {
    Picture("chica.bmp", 0, 0);
    Picture("parte", 0, 0);
    Picture("heli.bmp", 0, 0);
    Picture("mapa", core::kMapWidth, core::kSpainHeight);
    Picture("mapac", core::kMapWidth, core::kDetailHeight);
    Picture("mapam", core::kMapWidth, core::kDetailHeight);
    Picture("suelo", 0, 0);
    Picture("marco", 0, 0);
    Picture("cabecera", 1024, 50);
    Picture("rotulon.bmp", 0, 0);
  }

  std::vector<Problem> Run() {
    Settings();
    MapRasters();
    Pictures();
    for (const char* lang : kLanguages) {
      Texts(lang);
      WideList(std::string(lang) + "informa_l");
      WideList(std::string(lang) + "materias_l");
      Courses(lang);
    }
    return std::move(problems_);
  }

 private:
  std::string dir_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> ValidateFolder(const std::string& dataDir) { return Checker(dataDir).Run(); }

std::string Format(const Problem& p) {
  return p.line > 0 ? p.file + ":" + std::to_string(p.line) + ": " + p.text : p.file + ": " + p.text;
}

}  // namespace validate
