// The professions questionnaire's files: the shipped ones pass the validator,
// planted faults are reported at their file and line, and the compiler reports
// bad source rows at their line and writes the fixed columns the screen cuts.
#include <gtest/gtest.h>

#include "datafiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "compile.h"
#include "core/text.h"
#include "core/textfile.h"
#include "parts.h"
#include "validator.h"

namespace fs = std::filesystem;

namespace {

using namespace testdata;

const char *const kLanguages[] = {"cas/", "catVal/", "galego/", "euskera/"};

// Edits line n (1-based) of a runtime file in place.
void EditLine(const fs::path &path, int n, const std::function<void(std::string &)> &edit) {
  std::vector<std::string> lines = SplitLines(Slurp(path));
  edit(lines.at(static_cast<std::size_t>(n - 1)));
  Spit(path, JoinLines(lines));
}

void EditEveryLanguage(const fs::path &dir, const std::string &file, int n,
                       const std::function<void(std::string &)> &edit) {
  for (const char *lang : kLanguages) EditLine(dir / (std::string(lang) + file), n, edit);
}

void AppendLines(const fs::path &path, const std::string &line, int count) {
  std::string bytes = Slurp(path);
  for (int i = 0; i < count; ++i) bytes += line + "\r\n";
  Spit(path, bytes);
}

class ProfessionsFolder : public PartFolder {
 protected:
  ProfessionsFolder() : PartFolder("professions", {"activida", "profesio", "fracortas", "fralargas"}) {}
};

TEST_F(ProfessionsFolder, ShippedFilesHaveNoProblemInAnyLanguage) { EXPECT_EQ(Problems(), std::vector<std::string>{}); }

struct PlantedFault {
  const char *name;
  std::function<void(const fs::path &)> plant;
  std::vector<std::string> expected;  // every new problem starts with one of these, each is met
};

TEST_F(ProfessionsFolder, EachPlantedFaultIsReportedAtItsFileAndLine) {
  const std::vector<PlantedFault> faults = {
      {"unknown activity code of a profession",
       [](auto &d) { EditLine(d / "galego/profesio", 5, [](auto &l) { l.replace(0, 4, "XXXX"); }); },
       {"galego/profesio:5:"}},
      {"phrase number beyond the last short phrase",
       [](auto &d) { EditLine(d / "catVal/profesio", 10, [](auto &l) { l.replace(50, 3, "115"); }); },
       {"catVal/profesio:10:"}},
      {"profession line wider than its columns",
       [](auto &d) { EditLine(d / "euskera/profesio", 3, [](auto &l) { l += "  9"; }); },
       {"euskera/profesio:3:"}},
      {"more short phrases than the table holds",
       [](auto &d) {
         for (const char *lang : kLanguages)
           AppendLines(d / (std::string(lang) + "fracortas"), "SANI      Otra frase", 7);
       },
       // the capacity in each folder; and no profession names the added phrases
       // 115..121
       {"catVal/fracortas:121:", "galego/fracortas:121:", "euskera/fracortas:121:", "cas/fracortas:11",
        "cas/fracortas:12"}},
      {"short phrase no profession names",
       [](auto &d) {
         for (const char *lang : kLanguages) AppendLines(d / (std::string(lang) + "fracortas"), "SANI      Otra", 1);
       },
       {"cas/fracortas:115:"}},
      {"three long phrases gathering more than four pages",
       [](auto &d) {
         EditEveryLanguage(d, "fralargas", 1, [](auto &l) { l.replace(115, 19, "ADMI EMPR SANI INGE"); });
       },
       {"cas/fralargas:1:"}},
      {"long phrase naming no activity",
       [](auto &d) { EditLine(d / "galego/fralargas", 3, [](auto &l) { l.replace(115, 19, std::string(19, ' ')); }); },
       {"galego/fralargas:3:"}},
      {"activity code given twice",
       [](auto &d) { EditLine(d / "galego/activida", 2, [](auto &l) { l.replace(0, 4, "SANI"); }); },
       {"galego/activida:2:"}},
      {"missing separator of a short phrase",
       [](auto &d) { EditLine(d / "catVal/fracortas", 4, [](auto &l) { l[4] = 'x'; }); },
       {"catVal/fracortas:4:"}},
      {"language folder out of step",
       [](auto &d) {
         std::vector<std::string> lines = SplitLines(Slurp(d / "euskera/activida"));
         lines.pop_back();
         Spit(d / "euskera/activida", JoinLines(lines));
       },
       {"euskera/activida: "}},
      {"fixed link to an otros line that does not exist",
       [](auto &d) { Spit(d / "cas/otros", JoinLines(std::vector<std::string>(6, "- Otros estudios"))); },
       {"cas/profesio:32:", "cas/profesio:35:", "cas/profesio:36:", "cas/profesio:52:", "cas/profesio:53:"}},
      {"studies of one profession longer than its list",
       [](auto &d) {
         std::string rows;
         for (int degree = 1; degree <= 30; ++degree)
           rows += "1;1;0;0;1;0;0;0;1;" + std::to_string(degree) + ";0;0;0;0\r\n";
         Spit(d / "datgradosphp", rows);
       },
       {"cas/profesio:1:"}},
  };
  ASSERT_EQ(Problems(), std::vector<std::string>{});
  for (const PlantedFault &fault : faults) {
    SCOPED_TRACE(fault.name);
    Restore();
    fault.plant(dir);
    const std::vector<std::string> problems = Problems();
    ASSERT_FALSE(problems.empty());
    std::set<std::string> met;
    for (const std::string &p : problems) {
      auto it = std::find_if(fault.expected.begin(), fault.expected.end(),
                             [&](const std::string &e) { return p.rfind(e, 0) == 0; });
      EXPECT_NE(it, fault.expected.end()) << "unexpected: " << p;
      if (it != fault.expected.end()) met.insert(*it);
    }
    EXPECT_EQ(met.size(), fault.expected.size()) << ::testing::PrintToString(problems);
  }
}

// A tiny source tree of the part's own, compiled alone.
class ProfessionsCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("trazora-professions-src-" + std::to_string(::getpid()));
    fs::remove_all(root);
    sources = {
        {"activida.tsv",
         "code\tname_cas\tname_cat\tname_gal\tname_eus\n"
         "SANI\tSanidad\tSanitat\tSanidade\tOsasuna\n"
         "CIEN\tCiencia\tCiència\tCiencia\tZientzia\n"},
        {"fracortas.tsv",
         "key\tact_a\tact_b\ttext_cas\ttext_cat\ttext_gal\ttext_eus\n"
         "curar\tSANI\t\tCurar\tGuarir\tCurar\tSendatu\n"
         "# a comment line keeps the numbering of the rows\n"
         "investigar\tCIEN\tSANI\tInvestigar\tInvestigar\tInvestigar\tIkertu"
         "\n"},
        {"profesio.tsv",
         "key\tact1\tact2\tphrase1\tphrase2\tfixed\tname_"
         "cas\tname_cat\tname_gal\tname_eus\n"
         "medico\tSANI\tCIEN\tcurar\tinvestigar\t\tMédico\tMetg"
         "e\tMédico\tMedikua\n"
         "biologo\tCIEN\t\tinvestigar\t\t\tBiólogo\tBiòleg\tBió"
         "logo\tBiologoa\n"},
        {"fralargas.tsv",
         "acts\ttext_cas\ttext_cat\ttext_gal\ttext_eus\n"
         "SANI CIEN\tCuidar la salud\tTenir cura de la "
         "salut\tCoidar a saúde\tOsasuna zaindu\n"},
    };
  }
  void TearDown() override { fs::remove_all(root); }
  bool Compile(mkdata::Log &log) {
    for (const auto &[name, text] : sources) Spit(root / "src/professions" / name, text);
    mkdata::Keys keys;
    mkdata::Context c{(root / "src").string(), (root / "out").string(), log, keys};
    return mkdata::CompileProfessions(c);
  }
  fs::path root;
  std::map<std::string, std::string> sources;
};

TEST_F(ProfessionsCompiler, WritesTheFixedColumnsOfEachRecord) {
  mkdata::Log log;
  ASSERT_TRUE(Compile(log)) << ::testing::PrintToString(log.errors);
  EXPECT_EQ(Slurp(root / "out/cas/profesio"),
            "SANI CIEN M\xE9"
            "dico" +
                std::string(34, ' ') +
                "  1  2\r\n"
                "CIEN      Bi\xF3logo" +
                std::string(33, ' ') + "  2   \r\n");
  EXPECT_EQ(Slurp(root / "out/euskera/fracortas"),
            "SANI      Sendatu" + std::string(53, ' ') + "\r\nCIEN SANI Ikertu" + std::string(54, ' ') + "\r\n");
  EXPECT_EQ(Slurp(root / "out/catVal/fralargas"),
            "Tenir cura de la salut" + std::string(93, ' ') + "SANI CIEN          \r\n");
  EXPECT_EQ(Slurp(root / "out/galego/activida"),
            "SANI Sanidade" + std::string(52, ' ') + "\r\nCIEN Ciencia" + std::string(53, ' ') + "\r\n");
}

TEST_F(ProfessionsCompiler, ReportsBadSourceRowsAtTheirLine) {
  struct Case {
    const char *name;
    std::string file, from, to;  // replaced once in the file's source
    std::string error;           // the start of the first error
  };
  const std::vector<Case> cases = {
      {"unknown activity", "profesio.tsv", "biologo\tCIEN", "biologo\tBIOL",
       "professions/profesio.tsv:3: unknown activity"},
      {"unknown phrase key", "profesio.tsv", "\tcurar\t", "\tsanar\t", "professions/profesio.tsv:2: unknown phrase"},
      {"row with a missing field", "fracortas.tsv", "curar\tSANI\t\t", "curar\tSANI\t", "professions/fracortas.tsv:2:"},
      {"phrase no profession names", "profesio.tsv", "\tcurar\tinvestigar", "\tinvestigar\t",
       "professions/fracortas.tsv:2: no profession"},
      {"activity no long phrase asks", "fralargas.tsv", "SANI CIEN", "SANI", "professions/activida.tsv:3: no long"},
      {"fixed link away from its line", "profesio.tsv", "investigar\t\t\tBi", "investigar\t\tempresa\tBi",
       "professions/profesio.tsv:3: fixed"},
      {"bad activity code", "activida.tsv", "CIEN\tCiencia", "Cien\tCiencia", "professions/activida.tsv:3: code"},
      {"key defined twice", "profesio.tsv", "biologo\t", "medico\t", "professions/profesio.tsv:3: profession"},
  };
  const auto pristine = sources;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    sources = pristine;
    std::string &text = sources.at(c.file);
    ASSERT_NE(text.find(c.from), std::string::npos);
    text.replace(text.find(c.from), c.from.size(), c.to);
    mkdata::Log log;
    EXPECT_FALSE(Compile(log));
    ASSERT_FALSE(log.errors.empty());
    EXPECT_EQ(log.errors[0].rfind(c.error, 0), 0u) << ::testing::PrintToString(log.errors);
  }
}

}  // namespace
