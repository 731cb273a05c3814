// Every reader fed with mutated copies of a small valid file: whatever the
// bytes, a reader returns (with or without a message) and never reads or
// writes outside its tables. Run under the sanitizers in CI; set
// TRAZORA_FUZZ_RUNS to run longer than the default.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "core/globals.h"
#include "core/maps.h"
#include "core/readers.h"
#include "core/services.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/texttable.h"

namespace fs = std::filesystem;
using namespace core;

namespace {

class SilentServices : public CoreServices {
 public:
  void Message(const std::string& text) override { last = text; ++count; }
  bool Question(const std::string&) override { return false; }
  ScreenInfo Screen() override { return {}; }
  std::string last;
  int count = 0;
};

struct FuzzTarget {
  const char* name;
  std::string seed;
  std::function<void(const std::string& path)> read;
};

std::string Lines(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* l : lines) s += std::string(l) + "\r\n";
  return s;
}

std::vector<FuzzTarget> Targets() {
  Store& s = S();
  static int lineNumbers[kListCapacity + 1];
  return {
      {"padded list", Lines({"Andalucía", "Aragón", "x"}), [&](auto& p) { ReadPaddedList(p, s.comunida, 55); }},
      {"raw list", Lines({"uno", "dos"}), [&](auto& p) { ReadRawList(p, s.otros); }},
      {"wide list", Lines({"13 texto", "17 otro"}), [&](auto& p) { ReadWideList(p, s.informa_l, 60); }},
      {"wide list 120", Lines({"a", "b"}), [&](auto& p) { ReadWideList120(p, s.carrenue); }},
      {"marked list", Lines({"x", "-ab", "y", "-cd"}), [&](auto& p) { ReadMarkedList(p, s.fp, lineNumbers, 60); }},
      {"grouped list", Lines({"h", "a", "b", "c", "d"}), [&](auto& p) { ReadGroupedList(p, s.asignafp, 2, 3); }},
      {"all lines", Lines({"3;1;2;3", "1;80"}), [&](auto& p) { ReadAllLines(p, s); }},
      {"int rows", Lines({"1;2;3;4;5;6;7;8;9;10;11;12;13", "2;3"}),
       [&](auto& p) { ReadIntRows(p, s.datgradosphp, 2, s); }},
      {"block matrices", Lines({"0", "2;5;7", "1;9"}),
       [&](auto& p) { ReadBlockMatrices(p, s.datluggsphp, {1, 1, 0, 1}, s); }},
      {"flag rows", Lines({"3;4;0;6", "0", "2;5"}), [&](auto& p) { ReadFlagRows(p, s.cuestiocua, s); }},
      {"triple blocks", Lines({"3;1;2;3", "1;80", "4;5;5;0;9", "1;2", "1;3", "1;4"}),
       [&](auto& p) { ReadTripleBlockRows(p, 2, s.datcarnphp, s); }},
      {"coded names", Lines({"AB01Alt Camp", "AB02Alt Empordà", "XYDistricte"}),
       [&](auto& p) { ReadCodedNames(p, s.comarcas, 20); }},
      {"coded groups", Lines({"0101Zona norte", "0102Zona sur", "02  Otra"}),
       [&](auto& p) { ReadCodedGroups(p, s.comarcasm, 20); }},
      {"places", Lines({"07Madrid                             https://x.es"}), [&](auto& p) { ReadPlaces(p, s.lugar); }},
      {"region links", Lines({"https://a.es", "https://b.es"}), [&](auto& p) { ReadRegionLinks(p, s.comuint); }},
      {"double degrees", Lines({"    101202    ", "01Grupo uno", "    202101 ab "}),
       [&](auto& p) {
         s.datgradosphp.at(1, 9) = 101;
         s.datgradosphp.at(2, 9) = 202;
         ReadDoubleDegrees(p, s.dobles, s.datgradosphp, 2);
       }},
      {"text table", Lines({"ESO", "Sí", "No"}),
       [](auto& p) {
         TextTable table;
         if (ReadTextTable(p, table)) CopyTextSlots(table);
       }},
      {"settings", std::string(86, 'a'), [](auto& p) { ReadSettings(p); }},
      {"map rasters", std::string(1000, '\x01'),
       [&](auto& p) {
         std::ifstream in(p, std::ios::binary);
         std::string bytes((std::istreambuf_iterator<char>(in)), {});
         BuildMapRasters(bytes, s.rasters);
       }},
  };
}

// One random edit that tends to break the rules readers depend on: counts,
// separators, line ends, lengths and code digits.
void Mutate(std::string& data, std::mt19937& random) {
  static const char* pieces[] = {";", "\r\n", "\n", "\r", "-", "0", "99999", "-7", "2147483647", "  ", "\t", "\xFF"};
  auto pick = [&](std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  switch (pick(6)) {
    case 0:
      if (!data.empty()) data[pick(data.size())] = static_cast<char>(pick(256));
      break;
    case 1: data.insert(pick(data.size() + 1), pieces[pick(std::size(pieces))]); break;
    case 2:
      if (!data.empty()) {
        std::size_t at = pick(data.size());
        data.erase(at, pick(data.size() - at + 1));
      }
      break;
    case 3:
      if (!data.empty()) {  // repeat a slice, so lists and counts grow past their tables
        std::size_t at = pick(data.size());
        std::string slice = data.substr(at, 1 + pick(40));
        for (std::size_t k = pick(200); k > 0; --k) data.insert(at, slice);
      }
      break;
    case 4: data.insert(pick(data.size() + 1), std::string(pick(400), static_cast<char>('A' + pick(26)))); break;
    default: data.clear(); break;
  }
}

TEST(ReaderFuzz, MalformedInputNeverBreaksAReader) {
  const char* env = std::getenv("TRAZORA_FUZZ_RUNS");
  const int runs = env ? std::max(1, std::atoi(env)) : 150;
  fs::path dir = fs::temp_directory_path() / ("trazora-fuzz-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  SilentServices services;
  SetServices(&services);
  ResetGlobals();
  AllocateStore();
  std::mt19937 random(20232024);
  for (const FuzzTarget& target : Targets()) {
    SCOPED_TRACE(target.name);
    const std::string path = (dir / "datos").string();
    for (int run = 0; run < runs; ++run) {
      std::string data = target.seed;
      for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) Mutate(data, random);
      std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
      target.read(path);
      if (services.count) {
        EXPECT_FALSE(services.last.empty());
      }
    }
    target.read((dir / "no-existe").string());  // and a missing file
  }
  FreeStore();
  SetServices(nullptr);
  fs::remove_all(dir);
}

}  // namespace
