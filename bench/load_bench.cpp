// Time to read every data file of one language into the store, as the
// screens' creation handlers do at start-up, with the program's own readers.
// Run: build/bin/load_bench [DATA_DIR]   (default: the folder beside it)
#include <chrono>
#include <cstdio>
#include <string>

#include "core/globals.h"
#include "core/maps.h"
#include "core/readers.h"
#include "core/services.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/texttable.h"
#include "core/textfile.h"

namespace {

class QuietServices : public core::CoreServices {
 public:
  void Message(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
  bool Question(const std::string&) override { return false; }
  core::ScreenInfo Screen() override { return {1024, 768, 32}; }
};

// The readers of the start-up and of every section, in loading order.
void LoadEverything() {
  using namespace core;
  Store& s = S();
  auto lang = [](const char* n) { return LangPath(n); };
  auto common = [](const char* n) { return CommonPath(n); };
  static int lineNumbers[kListCapacity + 1];
  TextTable texts;
  ReadTextTable(lang("textos"), texts);
  CopyTextSlots(texts);
  ReadWideList(lang("informa_l"), s.informa_l, 60);
  ReadWideList(lang("materias_l"), s.materias_l, 60);
  if (auto raster = ReadBytes(common("puntos3"))) BuildMapRasters(*raster, s.rasters);
  // Degrees and the shared place files.
  ReadPaddedList(lang("carreran"), s.carreran, 60);
  ReadWideList120(lang("carrenue"), s.carrenue);
  ReadPaddedList(lang("carreranb"), s.carreranb, 60);
  ReadPaddedList(lang("otros"), s.otros, 55);
  ReadPaddedList(lang("itinerar"), s.itinerar, 60);
  ReadPaddedList(lang("fp"), s.fp, 60);
  ReadMarkedList(lang("fp"), s.fpTitles, lineNumbers, 60);
  ReadPaddedList(lang("reqfp"), s.reqfp, 55);
  ReadGroupedList(lang("asignafp"), s.asignafp, s.fp.count, 26);
  ReadGroupedList(lang("asignaot"), s.asignaot, s.otros.count, 51);
  ReadRawList(lang("activida"), s.activida);
  ReadRawList(lang("familias"), s.familias);
  ReadPaddedList(common("comunida"), s.comunida, 55);
  ReadPlaces(common("lugar"), s.lugar);
  ReadRegionLinks(common("comuint"), s.comuint);
  const char* placeFiles[] = {"lu1", "lu2", "lu3", "lu4"};
  for (int f = 0; f < 4; ++f) ReadPaddedList(common(placeFiles[f]), s.lu[static_cast<std::size_t>(f)], 60);
  ReadFlagRows(common("cuestiocua"), s.cuestiocua, s);
  ReadFlagRows(common("cuestioint"), s.cuestioint, s);
  ReadFlagRows(common("cuestioESO"), s.cuestioESO, s);
  ReadTripleBlockRows(common("datcarnphp"), s.carreran.count, s.datcarnphp, s);
  ReadIntRows(common("datgradosphp"), s.datgradosphp, 14, s);
  ReadIntRows(common("datfpsphp"), s.datfpsphp, 24, s);
  std::array<int, 4> counts{s.lu[0].count, s.lu[1].count, s.lu[2].count, s.lu[3].count};
  ReadBlockMatrices(common("datluggsphp"), s.datluggsphp, counts, s);
  ReadDoubleDegrees(common("dobles"), s.dobles, s.datgradosphp, s.carreran.count);
  // Vocational screens.
  ReadCodedNames(common("comarcas"), s.comarcas, 20);
  ReadCodedGroups(common("comarcasm"), s.comarcasm, 25);
  ReadPaddedList(lang("fp2"), s.fp2, 60);
  ReadMarkedList(lang("fp2"), s.fp2Titles, lineNumbers, 60);
  ReadGroupedList(lang("asignagm"), s.asignagm, s.fp2.count, 26);
  ReadBlockMatrices(common("datluggmphp"), s.datluggmphp, counts, s);
  ReadIntRows(common("datfpmphp"), s.datfpmphp, 7, s);
  ReadBlockMatrices(common("datlugbasphp"), s.datlugbasphp, counts, s);
  ReadPaddedList(lang("fpba"), s.fpba, 60);
  ReadGroupedList(lang("asignaba"), s.asignaba, s.fpba.count, 26);
  ReadPaddedList(lang("certifica"), s.certifica, 60);
  ReadRawList(lang("certificah"), s.certificah);
  // Questionnaires.
  ReadPaddedList(lang("cualidad"), s.cualidad, 60);
  ReadPaddedList(lang("interes"), s.interes, 60);
  ReadPaddedList(lang("cuestion"), s.cuestion, 50);
  ReadPaddedList(lang("cuesgm"), s.cuesgm, 75);
}

}  // namespace

int main(int argc, char** argv) {
  QuietServices services;
  core::SetServices(&services);
  std::string dir = argc > 1 ? argv[1] : std::string(TRAZORA_BENCH_DATA);
  if (dir.back() != '/') dir += '/';
  constexpr int kRounds = 20;
  for (int language = 0; language < 4; ++language) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      core::ResetGlobals();
      core::AllocateStore();
      core::G().DataDir = dir;
      core::G().LangDir = core::LangDirFor(language);
      auto start = std::chrono::steady_clock::now();
      LoadEverything();
      double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      if (ms < best) best = ms;
      core::FreeStore();
    }
    std::printf("all data files of %-9s loaded in %.1f ms (best of %d)\n", core::LangDirFor(language).c_str(), best,
                kRounds);
  }
  core::SetServices(nullptr);
  return 0;
}
