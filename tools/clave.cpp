// trazora-clave: writes the settings file of a school's copy — the centre
// name printed on every report, the interface language and the animated
// world. The program itself only changes the language and the animation, so
// this is how a school sets its name. An existing file keeps every other byte.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/settings.h"
#include "core/text.h"
#include "core/textfile.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: trazora-clave FILE \"Centre name\" [LANGUAGE] [ANIMATION]\n"
               "  FILE       the settings file, normally trazora23_24/clave24\n"
               "  LANGUAGE   0 Castilian, 1 Catalan/Valencian, 2 Galician, 3 Basque (default: as stored, else 0)\n"
               "  ANIMATION  S or N: the animated world on or off (default: as stored, else N)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) return Usage();
  const std::string path = argv[1];
  int bad = 0;
  const std::string name = core::TrimBlanks(core::Utf8ToCp1252(argv[2], &bad));
  if (bad) {
    std::fprintf(stderr, "trazora-clave: the centre name has %d character(s) outside Windows-1252\n", bad);
    return 1;
  }
  if (name.empty() || name.size() > core::kCentreNameMax) {
    std::fprintf(stderr, "trazora-clave: the centre name must have 1 to %zu characters (it has %zu)\n",
                 core::kCentreNameMax, name.size());
    return 1;
  }

  core::SettingsRecord record = core::MakeSettingsRecord(name, 0, false);
  if (auto old = core::ReadBytes(path)) {
    if (old->size() != core::kSettingsSize) {
      std::fprintf(stderr, "trazora-clave: %s has %zu bytes instead of %zu; not changed\n", path.c_str(), old->size(),
                   core::kSettingsSize);
      return 1;
    }
    std::memcpy(record.data(), old->data(), core::kSettingsSize);
    core::SetCentreName(record, name);
  }
  if (argc >= 4) {
    int language = -1;
    if (!core::ParseInt(argv[3], language) || language < 0 || language > 3) return Usage();
    record[core::kOffsetLanguage] = static_cast<std::uint8_t>(language);
  }
  if (argc == 5) {
    std::string animation = argv[4];
    if (animation != "S" && animation != "N") return Usage();
    record[core::kOffsetAnimation] = animation == "S" ? 1 : 0;
  }
  if (!core::WriteSettingsRecord(path, record)) {
    std::fprintf(stderr, "trazora-clave: cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("%s: centre \"%s\", language %d, animation %s\n", path.c_str(), argv[2], record[core::kOffsetLanguage],
              record[core::kOffsetAnimation] ? "on" : "off");
  return 0;
}
