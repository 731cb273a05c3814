// The vocational files: the shipped folder passes the validator, planted
// faults are reported at their file and line, and the compiler turns a tiny
// source tree into the exact runtime layouts and reports bad rows at their line.
#include <gtest/gtest.h>

#include "datafiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <cstring>
#include <functional>
#include <set>

#include "compile.h"
#include "core/text.h"
#include "core/textfile.h"
#include "parts.h"
#include "validator.h"

namespace fs = std::filesystem;

namespace {

using namespace testdata;

const std::set<std::string> kVocationalFiles = {
    "familias", "fp",        "fp2",       "fpba",      "asignafp",    "asignagm",    "asignaba",     "datfpsphp",
    "datfpmphp", "lu1",      "lu2",       "lu3",       "lu4",         "datluggsphp", "datluggmphp", "datlugbasphp"};

std::vector<std::string> VocationalProblems(const fs::path& dir) {
  return ProblemsOf(dir, {kVocationalFiles.begin(), kVocationalFiles.end()});
}

class VocationalFolder : public PartFolder {
 protected:
  VocationalFolder() : PartFolder("vocational", {kVocationalFiles.begin(), kVocationalFiles.end()}) {}
};

TEST_F(VocationalFolder, ShippedFilesHaveNoProblem) { EXPECT_EQ(VocationalProblems(dir), std::vector<std::string>{}); }

struct PlantedFault {
  const char* name;
  std::function<void(const fs::path&)> plant;
  std::string expected;  // every problem reported starts with this "file:line:"
};

TEST_F(VocationalFolder, EachPlantedFaultIsReportedAtItsFileAndLine) {
  const auto lu4 = SplitLines(Slurp(dir / "lu4")), lu2 = SplitLines(Slurp(dir / "lu2"));
  const std::string lastLu4 = std::to_string(lu4.size()), lastLu2 = std::to_string(lu2.size());
  // The first Barcelona record (letter 5: the Catalan block after the Valencian one)
  // and the last Madrid record of lu2 (the Madrid block comes first, before Cuenca "D").
  const std::size_t firstBarcelona = static_cast<std::size_t>(
      std::find_if(lu4.begin(), lu4.end(), [](const std::string& l) { return !l.empty() && l[0] == '5'; }) - lu4.begin());
  const std::size_t lastMadrid = static_cast<std::size_t>(
      std::find_if(lu2.begin(), lu2.end(), [](const std::string& l) { return l.empty() || !std::strchr("89ABC", l[0]); }) -
      lu2.begin()) - 1;
  const auto fp = SplitLines(Slurp(dir / "cas/fp"));
  const std::size_t firstTitle = static_cast<std::size_t>(
      std::find_if(fp.begin(), fp.end(), [](const std::string& l) { return l.empty() || l[0] != '-'; }) - fp.begin());
  const std::vector<PlantedFault> faults = {
      {"place list announcing more titles than it holds",
       [](auto& d) { EditLines(d / "datluggsphp", [](auto& l) { l[0] = "3;2"; }); }, "datluggsphp:1:"},
      {"place offering a family header as a title",
       [](auto& d) { EditLines(d / "datlugbasphp", [](auto& l) { l[1] = "1;1"; }); }, "datlugbasphp:2:"},
      {"place list a line short", [](auto& d) { EditLines(d / "datluggmphp", [](auto& l) { l.pop_back(); }); },
       "datluggmphp:"},
      {"relation row suggesting the music itinerary",
       [](auto& d) {
         EditLines(d / "datfpsphp", [](auto& l) { l[1] = "12" + l[1].substr(l[1].find(';')); });
       },
       "datfpsphp:2:"},
      {"relation row of a header with a family",
       [](auto& d) { EditLines(d / "datfpmphp", [](auto& l) { l[0] = "0;0;0;7;0;0;0"; }); }, "datfpmphp:1:"},
      {"group referencing a family header that does not exist",
       [](auto& d) { EditLines(d / "catVal/familias", [](auto& l) { l[29] = "99" + l[29].substr(2); }); },
       "catVal/familias:30:"},
      {"family line without its code",
       [](auto& d) { EditLines(d / "galego/familias", [](auto& l) { l[9] = "X" + l[9].substr(1); }); },
       "galego/familias:10:"},
      {"title wider than shown",
       [](auto& d) { EditLines(d / "euskera/fp", [](auto& l) { l[1] = std::string(61, 'x'); }); }, "euskera/fp:2:"},
      {"header where Castilian has a title",
       [&](auto& d) { EditLines(d / "galego/fp", [&](auto& l) { l[firstTitle] = "-" + l[firstTitle]; }); },
       "galego/fp:" + std::to_string(firstTitle + 1) + ":"},
      {"subject blocks a line short",
       [](auto& d) { EditLines(d / "euskera/asignafp", [](auto& l) { l.pop_back(); }); }, "euskera/asignafp:"},
      {"place under a letter no province of the file has",
       [](auto& d) { EditLines(d / "lu3", [](auto& l) { l[0][0] = 'Z'; }); }, "lu3:1:"},
      {"Catalonia sub-map code that no comarca has",
       [](auto& d) { EditLines(d / "lu4", [](auto& l) { l.back()[44] = '~'; }); }, "lu4:" + lastLu4 + ":"},
      {"Catalan centre under the letter of another province than its comarca",  // Terres de l'Ebre -> Tarragona
       [](auto& d) { EditLines(d / "lu4", [](auto& l) { l.back()[0] = '8'; }); }, "lu4:" + lastLu4 + ":"},
      {"Catalan centre before the first Barcelona record",
       [](auto& d) {
         EditLines(d / "lu4", [](auto& l) {
           l.insert(l.begin(), l.back());
           l.pop_back();
         });
       },
       "lu4:1:"},
      {"Catalan centre under the letter A, which the screens turn into 5",
       [&](auto& d) { EditLines(d / "lu4", [&](auto& l) { l[firstBarcelona][0] = 'A'; }); },
       "lu4:" + std::to_string(firstBarcelona + 1) + ":"},
      {"Madrid centre after the first Cuenca record",
       [&](auto& d) {
         EditLines(d / "lu2", [&](auto& l) {
           l.push_back(l[lastMadrid]);
           l.erase(l.begin() + static_cast<std::ptrdiff_t>(lastMadrid));
         });
       },
       "lu2:" + lastLu2 + ":"},
      {"Madrid centre without its zone code",
       [](auto& d) { EditLines(d / "lu2", [](auto& l) { l[0][44] = ' '; }); }, "lu2:1:"},
      {"town coming back after another town",
       [](auto& d) {
         EditLines(d / "lu1", [](auto& l) {
           l[1] = l[0].substr(0, 1) + "Zzz otro pueblo  " + l[0].substr(18);
           l[2] = l[0];
         });
       },
       "lu1:3:"},
  };
  const std::vector<std::string> before = VocationalProblems(dir);  // the shipped folder's own, if any
  for (const PlantedFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    Restore();
    fault.plant(dir);
    std::vector<std::string> problems;
    for (const std::string& p : VocationalProblems(dir))
      if (std::find(before.begin(), before.end(), p) == before.end()) problems.push_back(p);
    ASSERT_FALSE(problems.empty());
    for (const std::string& p : problems) EXPECT_EQ(p.rfind(fault.expected, 0), 0u) << p;
  }
}

// A source tree of its own: the headers of families 1 and 2, one GS title, two
// centres in Madrid: one in the capital (province 47, lu2 letter "8", zone 1)
// and one in Alcalá de Henares (province 51, Madrid-Este, lu2 letter "B", zone
// 2, code "B2"), each written once.
class VocationalCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("trazora-vocational-src-" + std::to_string(::getpid()));
    fs::remove_all(root);
    std::string families = "number\tname_cas\tname_cat\tname_gal\tname_eus\n";
    for (int f = 1; f <= 26; ++f) families += std::to_string(f) + "\tF" + std::to_string(f) + "\tF\tF\tF\n";
    Source("vocational/families.tsv", families);
    std::string groups = "level\tfamilies\tname_cas\tname_cat\tname_gal\tname_eus\ngs\t1 2\tInformática\tI\tI\tI\n";
    for (int g = 2; g <= 9; ++g) groups += "gs\t\tG\tG\tG\tG\n";
    for (int g = 1; g <= 9; ++g) groups += "fpb\t\tB\tB\tB\tB\n";
    Source("vocational/groups.tsv", groups);
    Source("vocational/titles_gs.tsv", std::string(kTitleHeader) +
                                           "F\t\t1\t\tInformática\tInformàtica\tInformática\tInformatika" +
                                           std::string(12, '\t') + "\n" + kTitleRow +
                                           "F\t\t2\t\tAdministración\tA\tA\tA" + std::string(12, '\t') + "\n");
    Source("vocational/centres.tsv", std::string(kCentreHeader) + kCapitalRow + kCentreRow);
    Source("geo/comarcas.tsv", "# number, code, name\n1\t81\tAlt Camp\n2\t62\tAlt Empordà\n");
    Source("geo/comarcasm.tsv", "1\t81\tMadrid (capital)\n2\tB2\tAlcalá de Henares\n");
  }
  void TearDown() override { fs::remove_all(root); }
  void Source(const std::string& name, const std::string& text) { Spit(root / "src" / name, text); }
  bool Compile(mkdata::Log& log) {
    mkdata::Keys keys;
    mkdata::Context c{(root / "src").string(), (root / "out").string(), log, keys};
    return mkdata::CompileVocational(c);
  }
  std::string Out(const std::string& file) { return Slurp(root / "out" / file); }

  static constexpr const char* kTitleHeader =
      "kind\tkey\tfamily\tmark\tname_cas\tname_cat\tname_gal\tname_eus\titineraries\trequirements\tprofessions\t"
      "statements\toccupations_cas\toccupations_cat\toccupations_gal\toccupations_eus\tmodules_cas\tmodules_cat\t"
      "modules_gal\tmodules_eus\n";
  static constexpr const char* kTitleRow =
      "T\tadministracion-de-sistemas-informaticos-en-red\t1\t\tAdministración de Sistemas Informáticos en Red\t"
      "Administració de Sistemes Informàtics en Xarxa\tAdministración de Sistemas Informáticos en Rede\t"
      "Sareko Sistema Informatikoen Administrazioa\t4 5\t\t\t\tTécnico de redes | Administrador de sistemas\t"
      "Tècnic de xarxes\tTécnico de redes\tSare-teknikaria\t1.er curso: | Planificación y administración de redes\t"
      "Planificació\tPlanificación\tPlangintza\n";
  static constexpr const char* kCentreHeader = "key\tprovince\ttown\tname_cas\tsecond\tcomarca\tgs\tgm\tfpb\n";
  static constexpr const char* kCapitalRow = "ies-capital-madrid\t47\tMadrid\tIES Capital\tPúblico\t1\t\t\t\n";
  static constexpr const char* kCentreRow =
      "ies-prueba\t51\tAlcalá de Henares\tIES Prueba\tPúblico\t2\tadministracion-de-sistemas-informaticos-en-red\t\t\n";
  fs::path root;
};

TEST_F(VocationalCompiler, WritesTheExactLayouts) {
  mkdata::Log log;
  ASSERT_TRUE(Compile(log)) << ::testing::PrintToString(log.errors);
  EXPECT_EQ(log.notes, std::vector<std::string>{});
  const std::string capital = "Madrid           IES Capital               ";  // town in 17, name in 26
  const std::string alcala = "Alcal\xE1 de HenaresIES Prueba                ";
  EXPECT_EQ(Out("lu1"), "");
  EXPECT_EQ(Out("lu2"), "8" + capital + "1P\xFA" "blico  \r\n" +  // zone 1 is code "81"
                            "B" + alcala + "2P\xFA" "blico  \r\n");   // zone 2 is code "B2"
  EXPECT_EQ(Out("lu3"), "");
  EXPECT_EQ(Out("lu4"), "");
  EXPECT_EQ(Out("datluggsphp"), "0\r\n1;2\r\n");  // the title is line 2 of fp, in Alcalá's one record
  EXPECT_EQ(Out("datluggmphp"), "0\r\n0\r\n");
  EXPECT_EQ(Out("cas/fp"), "-Inform\xE1tica\r\nAdministraci\xF3n de Sistemas Inform\xE1ticos en Red\r\n-Administraci\xF3n\r\n");
  EXPECT_EQ(Out("datfpsphp"), std::string("0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\r\n") +
                                  "4;5;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;1\r\n" +
                                  "0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\r\n");
  const auto block = SplitLines(Out("catVal/asignafp"));
  ASSERT_EQ(block.size(), 3u * 26u);
  EXPECT_EQ(block[26 + 1], "T\xE8" "cnic de xarxes");
  EXPECT_EQ(block[26 + 6], "Planificaci\xF3");
  const auto familias = SplitLines(Out("euskera/familias"));
  ASSERT_EQ(familias.size(), 48u);
  EXPECT_EQ(SplitLines(Out("cas/familias"))[9], "AF10");  // family 10: code A and its name
  EXPECT_EQ(familias[29], "010200I");  // families 1 and 2 are headers 1 and 2 of fp and of fp2
  EXPECT_EQ(familias[47], "000000B");
  // Without a GM source: the 26 family headers, so the GM browser starts.
  EXPECT_EQ(SplitLines(Out("galego/fp2")).size(), 26u);
}

TEST_F(VocationalCompiler, ReportsBadRowsAtTheirSourceLine) {
  struct Case {
    const char* name;
    const char* source;
    std::string text;
    std::string error;  // the start of the one error expected
  };
  const std::string header = "F\t\t1\t\tI\tI\tI\tI" + std::string(12, '\t') + "\n";
  const std::string second = "F\t\t2\t\tA\tA\tA\tA" + std::string(12, '\t') + "\n";
  const std::string row = kTitleRow;
  // The titles source with the title row as given.
  auto titles = [&](const std::string& title) { return std::string(kTitleHeader) + header + title + second; };
  const std::string centre = kCentreRow;
  auto replace = [](std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
  };
  const std::vector<Case> cases = {
      {"title of a family that does not exist", "vocational/titles_gs.tsv", titles(replace(row, "\t1\t", "\t27\t")),
       "vocational/titles_gs.tsv:3: a title needs its family"},
      {"title under the header of another family", "vocational/titles_gs.tsv", titles(replace(row, "\t1\t", "\t2\t")),
       "vocational/titles_gs.tsv:3: family 2 under"},
      {"the music itinerary on a vocational title", "vocational/titles_gs.tsv", titles(replace(row, "4 5", "12")),
       "vocational/titles_gs.tsv:3: itinerary"},
      {"unknown profession", "vocational/titles_gs.tsv", titles(replace(row, "\t\t\t\tTécnico", "\t\tnadie\t\tTécnico")),
       "vocational/titles_gs.tsv:3: unknown profession \"nadie\""},
      {"six occupation lines", "vocational/titles_gs.tsv",
       titles(replace(row, "Técnico de redes |", "a | b | c | d | e |")), "vocational/titles_gs.tsv:3: occupations_cas"},
      {"unknown title in a centre", "vocational/centres.tsv",
       std::string(kCentreHeader) + replace(centre, "sistemas-informaticos", "sistemas"),
       "vocational/centres.tsv:2: unknown gs-title"},
      {"province out of range", "vocational/centres.tsv", std::string(kCentreHeader) + replace(centre, "\t51\t", "\t65\t"),
       "vocational/centres.tsv:2: province 65"},
      {"centre in the entry whose letter H the screens turn into 8", "vocational/centres.tsv",
       std::string(kCentreHeader) + replace(centre, "\t51\t", "\t48\t"), "vocational/centres.tsv:2: province 48 must stay empty"},
      {"centre in the entry whose letter A the screens turn into 5", "vocational/centres.tsv",
       std::string(kCentreHeader) + replace(replace(centre, "\t51\t", "\t35\t"), "\t2\t", "\t1\t"),
       "vocational/centres.tsv:2: province 35 must stay empty"},
      {"Madrid centre whose zone lies in another area", "vocational/centres.tsv",
       std::string(kCentreHeader) + replace(centre, "\t51\t", "\t49\t"), "vocational/centres.tsv:2: zone 2 (code B2)"},
      {"Catalan centre whose comarca lies in another province", "vocational/centres.tsv",
       std::string(kCentreHeader) + replace(centre, "\t51\t", "\t34\t"), "vocational/centres.tsv:2: comarca 2 (code 62)"},
      {"Catalan centre in Girona with a comarca of Tarragona", "vocational/centres.tsv",
       std::string(kCentreHeader) + replace(replace(centre, "\t51\t", "\t36\t"), "\t2\t", "\t1\t"),
       "vocational/centres.tsv:2: comarca 1 (code 81)"},
      {"Madrid centre without its zone", "vocational/centres.tsv",
       std::string(kCentreHeader) + replace(centre, "\t2\t", "\t\t"), "vocational/centres.tsv:2: zone 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    Source(c.source, c.text);
    mkdata::Log log;
    EXPECT_FALSE(Compile(log));
    ASSERT_EQ(log.errors.size(), 1u) << ::testing::PrintToString(log.errors);
    EXPECT_EQ(log.errors[0].rfind(c.error, 0), 0u) << log.errors[0];
  }
}

}  // namespace
