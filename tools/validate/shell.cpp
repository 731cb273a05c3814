// The files of start-up and the main menu: settings, map rasters, shared
// pictures, interface texts, information lists and the special courses.
#include "checks.h"
#include "core/maps.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/texttable.h"

namespace validate {
namespace {

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

void Settings(Checker& c) {
  const std::string file = core::kSettingsFile;
  auto bytes = c.Bytes(file, false);
  if (!bytes) {
    c.Report(file, 0, "missing file (write it with trazora-clave)");
    return;
  }
  if (bytes->size() != core::kSettingsSize) {
    c.Report(file, 0, std::to_string(bytes->size()) + " bytes instead of 86");
    return;
  }
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>((*bytes)[i]); };
  if (byte(core::kOffsetNameLength) == 0 || byte(core::kOffsetNameLength) > core::kCentreNameMax)
    c.Report(file, 0, "centre name length " + std::to_string(byte(core::kOffsetNameLength)) + " (1 to 50)");
  if (byte(core::kOffsetLanguage) > 3)
    c.Report(file, 0, "language " + std::to_string(byte(core::kOffsetLanguage)) + " (0 to 3)");
}

void Texts(Checker& c, const std::string& lang) {
  const std::string file = lang + "textos";
  auto lines = c.Lines(file);
  if (!lines) return;
  c.AtMostLines(file, *lines, core::kTextEntries - 1);
  for (int n = core::kFirstInterfaceText; n <= core::kLastInterfaceText; ++n) {
    const int width = core::TextWidth(n);
    if (width == 0) continue;
    const std::string text = n <= static_cast<int>(lines->size()) ? (*lines)[n - 1] : std::string();
    const std::size_t shown = Checker::ShownLength(text);
    if (shown == 0 && TextIsUsed(n)) c.Report(file, n, "interface text " + std::to_string(n) + " is empty");
    else if (shown > static_cast<std::size_t>(width))
      c.Report(file, n, "interface text " + std::to_string(n) + " has " + std::to_string(shown) +
                            " characters, more than its width " + std::to_string(width));
  }
}

// The coded explanation lists, shown 60 characters wide.
void WideList(Checker& c, const std::string& file) {
  auto lines = c.Lines(file);
  if (!lines) return;
  c.AtMostLines(file, *lines, 600);
  c.AtMostWidth(file, *lines, 60);
}

void Courses(Checker& c, const std::string& lang) {
  const std::string file = lang + "cursespe";
  auto lines = c.Lines(file);
  if (!lines) return;
  std::vector<std::string> trimmed;
  for (const auto& l : *lines) trimmed.push_back(core::TrimBlanks(l));
  int k = 0;
  if (trimmed.empty() || !core::ParseInt(trimmed[0], k) || k < 2 || k > static_cast<int>(trimmed.size()) + 1) {
    c.Report(file, 1, "first line must be the line number where the second list starts (2 to " +
                          std::to_string(trimmed.size() + 1) + ")");
    return;
  }
  auto list = [&](int first, int last, const char* name) {  // 1-based, inclusive
    int count = last - first + 1;
    if (count > 100) c.Report(file, first + 100, std::string("list ") + name + " has more than 100 lines");
    if (count % 3 != 0) c.Report(file, last, std::string("list ") + name + " is not made of groups of three lines");
    for (int line = first; line + 2 <= last; line += 3) {
      const std::string& course = trimmed[static_cast<std::size_t>(line - 1)];
      int family = 0;
      if (course.size() < 3 || !core::ParseInt(course.substr(0, 2), family) || family < 1 || family > 26)
        c.Report(file, line, "a course line starts with its family code 01 to 26");
      if (trimmed[static_cast<std::size_t>(line)].empty()) c.Report(file, line + 1, "empty second text");
      c.Address(file, line + 2, trimmed[static_cast<std::size_t>(line + 1)]);
    }
  };
  list(2, k - 1, "A");
  list(k, static_cast<int>(trimmed.size()), "B");
}

void MapRasters(Checker& c) {
  auto bytes = c.Bytes("puntos3");
  if (bytes && bytes->size() != core::kRasterFileSize)
    c.Report("puntos3", 0,
             std::to_string(bytes->size()) + " bytes instead of " + std::to_string(core::kRasterFileSize));
}

void Pictures(Checker& c) {
  for (const char* any : {"chica.bmp", "parte", "heli.bmp", "suelo", "marco", "rotulon.bmp"}) c.Picture(any, 0, 0);
  c.Picture("mapa", core::kMapWidth, core::kSpainHeight);
  c.Picture("mapac", core::kMapWidth, core::kDetailHeight);
  c.Picture("mapam", core::kMapWidth, core::kDetailHeight);
  c.Picture("cabecera", 1024, 50);
  // Frame strips: their sizes are the frame sizes the screens draw with.
  c.Picture("figura_anda.png", 16 * 40, 64);
  c.Picture("figura_puerta.png", 5 * 40, 64);
  c.Picture("iconos", 44 * 30, 27);
  c.Picture("iconos_grados", 10 * 16, 16);
  c.Picture("ramas", 6 * 48, 36);
}

}  // namespace

void CheckShell(Checker& c) {
  Settings(c);
  MapRasters(c);
  Pictures(c);
  for (const char* lang : kLanguages) {
    Texts(c, lang);
    WideList(c, std::string(lang) + "informa_l");
    WideList(c, std::string(lang) + "materias_l");
    Courses(c, lang);
  }
}

}  // namespace validate
