// The other studies and arts files: the shipped folder passes the checks,
// planted faults are reported at their file and line, and the compiler
// reports bad source rows at their line and writes the exact layouts.
#include <gtest/gtest.h>

#include "datafiles.h"
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "core/textfile.h"
#include "parts.h"
#include "validator.h"

namespace fs = std::filesystem;

namespace {

using namespace testdata;

// 1-based line of the first line starting with the marker.
int LineOf(const fs::path& path, const std::string& marker) {
  std::vector<std::string> lines = SplitLines(Slurp(path));
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(marker, 0) == 0) return static_cast<int>(i) + 1;
  return 0;
}

class OtherStudiesFolder : public PartFolder {
 protected:
  OtherStudiesFolder()
      : PartFolder("other", {"otros", "asignaot", "master.txt", "artesplas", "musica", "danza", "dramatico"}) {}
};

TEST_F(OtherStudiesFolder, ShippedFilesHaveNoProblem) { EXPECT_EQ(Problems(), std::vector<std::string>{}); }

struct PlantedFault {
  const char* name;
  std::function<void(const fs::path&)> plant;
  std::set<std::string> expected;  // every problem starts with one of these "file:line:" and each is seen
};

TEST_F(OtherStudiesFolder, EachPlantedFaultIsReportedAtItsFileAndLine) {
  auto centreLine = [](const fs::path& file) { return LineOf(file, "f2") + 2; };
  const std::vector<PlantedFault> faults = {
      {"a line the professions questionnaire names turned into a heading",
       [](auto& d) { ReplaceLine(d / "euskera/otros", 7, "- Hegazkin-pilotua"); }, {"euskera/otros:7:"}},
      {"more studies than subject groups",
       [](auto& d) { EditLines(d / "galego/otros", [](auto& l) { l.push_back("Outro estudo"); }); },
       {"galego/otros:51:"}},
      {"a study whose subject list is empty",
       [](auto& d) {
         EditLines(d / "euskera/asignaot", [](auto& l) {
           for (std::size_t i = 4 * 51 + 1; i < 5 * 51; ++i) l[i] = std::string(60, ' ');
         });
       },
       {"euskera/otros:5:", "euskera/asignaot:205:"}},
      {"text after the end of a subject list", [](auto& d) { ReplaceLine(d / "cas/asignaot", 240, "Nunca se ve"); },
       {"cas/asignaot:240:"}},
      {"subject line wider than shown", [](auto& d) { ReplaceLine(d / "cas/asignaot", 206, std::string(70, 'x')); },
       {"cas/asignaot:206:"}},
      {"subject file over capacity",
       [](auto& d) {
         EditLines(d / "catVal/asignaot", [](auto& l) { l.insert(l.end() - 2, 60, std::string(60, ' ')); });
       },
       {"catVal/asignaot:2513:", "catVal/asignaot:2551:"}},
      {"masters bullet without its space", [](auto& d) { ReplaceLine(d / "catVal/master.txt", 3, "*Durada"); },
       {"catVal/master.txt:3:"}},
      {"plastic-arts speciality code out of range",
       [&](auto& d) {
         const int n = centreLine(d / "cas/artesplas");
         EditLines(d / "cas/artesplas", [n](auto& l) { l[n - 1] = l[n - 1].substr(0, 34) + "0017"; });
       },
       {"cas/artesplas:" + std::to_string(centreLine(dir / "cas/artesplas")) + ":"}},
      {"plastic-arts address that reads as a centre",
       [&](auto& d) { ReplaceLine(d / "galego/artesplas", centreLine(d / "galego/artesplas") + 1, "29 Malaga"); },
       {"galego/artesplas:" + std::to_string(centreLine(dir / "galego/artesplas") + 1) + ":"}},
      {"music region that does not exist",
       [&](auto& d) { ReplaceLine(d / "cas/musica", LineOf(d / "cas/musica", "f2") + 1, "20Atlantida"); },
       {"cas/musica:" + std::to_string(LineOf(dir / "cas/musica", "f2") + 1) + ":"}},
      {"music centre that lost its address",
       [&](auto& d) { ReplaceLine(d / "cas/musica", LineOf(d / "cas/musica", "f2") + 2, "  CSM sin web"); },
       {"cas/musica:" + std::to_string(LineOf(dir / "cas/musica", "f2") + 2) + ":"}},
      {"drama speciality that does not exist",
       [&](auto& d) {
         const int n = LineOf(d / "cas/dramatico", "-RESAD");
         EditLines(d / "cas/dramatico", [n](auto& l) { l[n - 1] = l[n - 1].substr(0, 40) + "18"; });
       },
       {"cas/dramatico:" + std::to_string(LineOf(dir / "cas/dramatico", "-RESAD")) + ":"}},
      {"dance file without its first marker",
       [&](auto& d) { ReplaceLine(d / "euskera/danza", LineOf(d / "euskera/danza", "f1"), "x"); },
       {"euskera/danza: "}},
      {"arts file over the list capacity",
       [](auto& d) { EditLines(d / "euskera/dramatico", [](auto& l) { l.resize(1101, ""); }); },
       {"euskera/dramatico:1101:", "euskera/dramatico: "}},
      {"missing file", [](auto& d) { fs::remove(d / "galego/asignaot"); }, {"galego/asignaot: "}},
  };
  for (const PlantedFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    Restore();
    fault.plant(dir);
    std::vector<std::string> problems = Problems();
    std::set<std::string> seen;
    for (const std::string& p : problems) {
      bool matched = false;
      for (const std::string& e : fault.expected)
        if (p.rfind(e, 0) == 0) matched = true, seen.insert(e);
      EXPECT_TRUE(matched) << p;
    }
    EXPECT_EQ(seen, fault.expected) << ::testing::PrintToString(problems);
  }
}

// A tiny source tree of the part: the 50 list rows the program needs, with
// the rows it names by number in place, and one centre of each arts file.
std::map<std::string, std::string> Fixture() {
  const std::map<int, std::string> fixed = {{5, "ensenanzas-deportivas"}, {6, "fuerzas-armadas"},
                                            {7, "piloto-avion"},          {8, "tecnico-deporte"},
                                            {9, "policias"},              {49, "oposiciones"},
                                            {50, "formacion-empresa"}};
  std::string otros = "key\tkind\ttext_cas\ttext_cat\ttext_gal\ttext_eus\n";
  std::string subjects = "study\ttext_cas\ttext_cat\ttext_gal\ttext_eus\n";
  for (int n = 1; n <= 50; ++n) {
    std::string key = fixed.count(n) ? fixed.at(n) : "s" + std::to_string(n), kind = "study";
    if (n == 2) key = "", kind = "note";
    if (n == 3) key = "registro-centros", kind = "registry";
    if (n == 4) key = "cabecera", kind = "heading";
    const std::string text = n == 5 ? "Enseñanzas" : "Estudio " + std::to_string(n);
    otros += key + "\t" + kind + "\t" + text + "\tEstudi\tEstudo\tIkasketa\n";
    if (kind == "study") subjects += key + "\tMateria\tMatèria\tMateria\tIrakasgaia\n";
  }
  const std::string t4 = "\tA\tA\tA\tA\n";
  std::string specialities = "key\tname_cas\tname_cat\tname_gal\tname_eus\n";
  for (int i = 0; i < 17; ++i) specialities += "e" + std::to_string(i) + "\tDiseño\tDisseny\tDeseño\tDiseinua\n";
  std::string drama = "key\tname_cas\tname_cat\tname_gal\tname_eus\n";
  for (int i = 1; i <= 7; ++i) drama += "d" + std::to_string(i) + t4;
  std::string texts = "file\tsection\ttext_cas\ttext_cat\ttext_gal\ttext_eus\n";
  for (const char* f : {"artesplas", "musica", "danza", "dramatico"}) texts += std::string(f) + "\tdescription" + t4;
  for (const char* f : {"musica", "danza", "dramatico"}) texts += std::string(f) + "\tspecialities" + t4;
  texts += "artesplas\tplaces" + t4 + "dramatico\tplaces" + t4 + "dramatico\tplaces" + t4;
  return {
      {"otros.tsv", otros},
      {"asignaot.tsv", subjects},
      {"master.tsv", "kind\ttext_cas\ttext_cat\ttext_gal\ttext_eus\nheading\tMáster\tMàster\tMestrado\tMasterra\n"},
      {"arts-texts.tsv", texts},
      {"arts-regions.tsv", "region\tname_cas\tname_cat\tname_gal\tname_eus\n13\tMadrid\tMadrid\tMadrid\tMadril\n"},
      {"arts-plastic-specialities.tsv", specialities},
      {"arts-plastic-centres.tsv",
       "region\tname\tphone\tspecialities\taddress\n13\tEA de Prueba\t912345678\te0 e16\tMadrid\n"},
      {"arts-music-centres.tsv", "region\tname\tweb\n13\tCSM de Prueba\thttps://example.org\n"},
      {"arts-dance-centres.tsv", "region\tname\ttown\tweb\n13\tCSD de Prueba\tMadrid\t\n"},
      {"arts-drama-specialities.tsv", drama},
      {"arts-drama-centres.tsv", "name\tphone\tspecialities\tweb\nESAD de Prueba\t\td1 d7\thttps://example.org\n"},
  };
}

class OtherStudiesCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("trazora-other-compile-" + std::to_string(::getpid()));
    fs::remove_all(root);
  }
  void TearDown() override { fs::remove_all(root); }
  bool Compile(const std::map<std::string, std::string>& files, mkdata::Log& log) {
    fs::remove_all(root);
    fs::create_directories(root / "src/other");
    fs::create_directories(root / "out");
    for (const auto& [name, text] : files) Spit(root / "src/other" / name, text);
    mkdata::Keys keys;
    mkdata::Context context{(root / "src").string(), (root / "out").string(), log, keys};
    return mkdata::CompileOtherStudies(context);
  }
  fs::path root;
};

TEST_F(OtherStudiesCompiler, WritesTheExactLayouts) {
  mkdata::Log log;
  ASSERT_TRUE(Compile(Fixture(), log)) << ::testing::PrintToString(log.errors);
  EXPECT_EQ(log.errors, std::vector<std::string>{});
  EXPECT_EQ(log.notes, std::vector<std::string>{});
  // Line 5 of the list, padded to 55, in the code page.
  const auto otros = SplitLines(Slurp(root / "out/cas/otros"));
  ASSERT_EQ(otros.size(), 50u);
  EXPECT_EQ(otros[4], "Ense\xF1" "anzas" + std::string(45, ' '));
  EXPECT_EQ(otros[1], "   Estudio 2" + std::string(43, ' '));
  // Group 5: its header, its line, blanks up to 50; the last group ends with two blanks.
  const auto subjects = SplitLines(Slurp(root / "out/cas/asignaot"));
  EXPECT_EQ(subjects.size(), 49u * 51 + 1 + 1 + 2);
  EXPECT_EQ(subjects[4 * 51], " 5 Ense\xF1" "anzas" + std::string(47, ' '));
  EXPECT_EQ(subjects[4 * 51 + 1], "Materia" + std::string(53, ' '));
  EXPECT_EQ(subjects[4 * 51 + 2], std::string(60, ' '));
  // A plastic-arts centre: region, name to column 24, telephone 25-33, codes from 35; then its address.
  const auto plastic = SplitLines(Slurp(root / "out/galego/artesplas"));
  ASSERT_EQ(plastic.size(), 1u + 1 + 17 + 1 + 1 + 2);
  EXPECT_EQ(plastic[1], "f1");
  EXPECT_EQ(plastic[2], "00Dese\xF1o");
  EXPECT_EQ(plastic[19], "f2");
  EXPECT_EQ(plastic[21], "13EA de Prueba          912345678 0016");
  EXPECT_EQ(plastic[22], "Madrid");
  // A drama centre: "-" name to column 25, telephone 26-34, digits from column 41.
  const auto drama = SplitLines(Slurp(root / "out/euskera/dramatico"));
  EXPECT_EQ(drama.at(drama.size() - 2), "-ESAD de Prueba" + std::string(40 - 15, ' ') + "17");
  EXPECT_EQ(drama.back(), "https://example.org");
  // A music region heading and centre.
  const auto music = SplitLines(Slurp(root / "out/euskera/musica"));
  EXPECT_EQ(music.at(music.size() - 2), "13Madril");
  EXPECT_EQ(music.back(), "  CSM de Prueba https://example.org");
  EXPECT_EQ(Slurp(root / "out/catVal/master.txt"), "- M\xE0ster\r\n");
}

TEST_F(OtherStudiesCompiler, ReportsBadSourceRowsAtTheirLine) {
  using Files = std::map<std::string, std::string>;
  struct Case {
    const char* name;
    std::function<void(Files&)> spoil;
    std::string error;  // the start of an error that must be reported
  };
  auto append = [](const char* file, std::string row) { return [=](Files& f) { f[file] += row; }; };
  auto replace = [](const char* file, std::string from, std::string to) {
    return [=](Files& f) { f[file].replace(f[file].find(from), from.size(), to); };
  };
  const std::vector<Case> cases = {
      {"subjects of a study that does not exist", append("asignaot.tsv", "nadie\tx\tx\tx\tx\n"),
       "other/asignaot.tsv:49: unknown other study \"nadie\""},
      {"subjects of a line that shows none", append("asignaot.tsv", "registro-centros\tx\tx\tx\tx\n"),
       "other/asignaot.tsv:49:"},
      {"a row named by number moved", replace("otros.tsv", "piloto-avion\t", "pilotos\t"), "other/otros.tsv:8:"},
      {"two blank lines end a list early",
       append("asignaot.tsv", "s10\t\t\t\t\ns10\t\t\t\t\ns10\tx\tx\tx\tx\n"), "other/asignaot.tsv:50:"},
      {"a translation left empty", replace("otros.tsv", "Estudio 12\tEstudi\t", "Estudio 12\t\t"),
       "other/otros.tsv:13:"},
      {"a paragraph that reads as a bullet", append("master.tsv", "text\t*a\ta\ta\ta\n"), "other/master.tsv:3:"},
      {"a plastic-arts centre in no region", append("arts-plastic-centres.tsv", "20\tEA\t\te1\tSitio\n"),
       "other/arts-plastic-centres.tsv:3:"},
      {"an unknown plastic-arts speciality", append("arts-plastic-centres.tsv", "13\tEA\t\te99\tSitio\n"),
       "other/arts-plastic-centres.tsv:3: unknown plastic-arts speciality"},
      {"a music address the screen would cut",
       append("arts-music-centres.tsv", "13\t" + std::string(40, 'n') + "\thttps://example.org\n"),
       "other/arts-music-centres.tsv:3:"},
      {"an unknown drama speciality", append("arts-drama-centres.tsv", "ESAD\t\td8\t\n"),
       "other/arts-drama-centres.tsv:3: unknown drama speciality"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Files files = Fixture();
    c.spoil(files);
    mkdata::Log log;
    EXPECT_FALSE(Compile(files, log));
    bool found = false;
    for (const std::string& e : log.errors) found = found || e.rfind(c.error, 0) == 0;
    EXPECT_TRUE(found) << ::testing::PrintToString(log.errors);
  }
}

}  // namespace
