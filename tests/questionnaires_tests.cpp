// The questionnaire files: the shipped ones pass the validator, planted faults are reported at their file
// and line, and the compiler turns a small source tree of its own into the exact runtime layouts.
#include <gtest/gtest.h>

#include "datafiles.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "compile.h"
#include "core/textfile.h"
#include "parts.h"
#include "source.h"
#include "validator.h"

namespace fs = std::filesystem;

namespace {

using namespace testdata;


void SetLine(const fs::path& path, std::size_t n, const std::string& text) {
  EditLines(path, [&](auto& lines) { lines.at(n - 1) = text; });
}

class QuestionnairesFolder : public PartFolder {
 protected:
  QuestionnairesFolder()
      : PartFolder("questionnaires", {"cualidad", "interes", "itinerar", "cuestion", "cuesgm", "cuestiocua",
                                      "cuestioint", "cuestioESO"}) {}
};

TEST_F(QuestionnairesFolder, ShippedFilesHaveNoProblem) {
  EXPECT_EQ(Problems(), std::vector<std::string>{});
}

struct PlantedFault {
  const char* name;
  std::function<void(const fs::path&)> plant;
  const char* at;  // every problem reported starts with this "file:line:"
};

TEST_F(QuestionnairesFolder, EachPlantedFaultIsReportedAtItsFileAndLine) {
  const std::vector<PlantedFault> faults = {
      {"counted row shorter than its count", [](auto& d) { SetLine(d / "cuestiocua", 3, "5;1;2"); }, "cuestiocua:3:"},
      {"itinerary without items divides by zero", [](auto& d) { SetLine(d / "cuestioint", 4, "0"); },
       "cuestioint:4:"},
      {"item that does not exist", [](auto& d) { SetLine(d / "cuestiocua", 2, "2;1;41"); }, "cuestiocua:2:"},
      {"item listed twice", [](auto& d) { SetLine(d / "cuestioint", 7, "2;3;3"); }, "cuestioint:7:"},
      {"row over the 50 values a row holds",
       [](auto& d) {
         std::string row = "51";
         for (int i = 1; i <= 51; ++i) row += ";" + std::to_string(i % 40 + 1);
         SetLine(d / "cuestiocua", 1, row);
       },
       "cuestiocua:1:"},
      {"question that does not exist", [](auto& d) { SetLine(d / "cuestioESO", 5, "2;12;200"); }, "cuestioESO:5:"},
      {"skill area with no question of the short part", [](auto& d) { SetLine(d / "cuestioESO", 16, "1;50"); },
       "cuestioESO:16:"},
      {"matrix longer than its 20 rows", [](auto& d) { EditLines(d / "cuestioESO", [](auto& l) { l.push_back("0"); }); },
       "cuestioESO:21:"},
      {"question whose best answer scores nothing",
       [](auto& d) { EditLines(d / "galego/cuestion", [](auto& l) { l.at(39).replace(0, 2, "55"); }); },
       "galego/cuestion:40:"},
      {"question without its digits", [](auto& d) { SetLine(d / "cas/cuestion", 36, "Sin cifras"); },
       "cas/cuestion:36:"},
      {"statement without its area digits", [](auto& d) { SetLine(d / "euskera/cuesgm", 12, "x0Testua"); },
       "euskera/cuesgm:12:"},
      {"statement in the same area twice",
       [](auto& d) { EditLines(d / "galego/cuesgm", [](auto& l) { l.at(11).replace(0, 2, "11"); }); },
       "galego/cuesgm:12:"},
      {"statement wider than shown",
       [](auto& d) { EditLines(d / "cas/cuesgm", [](auto& l) { l.at(19) = l.at(19).substr(0, 2) + std::string(71, 'z'); }); },
       "cas/cuesgm:20:"},
      {"two itineraries that start alike",
       [](auto& d) { EditLines(d / "catVal/itinerar", [](auto& l) { l.at(2) = l.at(0) + " (bis)"; }); },
       "catVal/itinerar:3:"},
      {"track label over 35 characters", [](auto& d) { SetLine(d / "cas/itinerar", 22, std::string(36, 'b')); },
       "cas/itinerar:22:"},
      {"empty advice of a weak area", [](auto& d) { SetLine(d / "euskera/itinerar", 40, ""); },
       "euskera/itinerar:40:"},
      {"empty item", [](auto& d) { SetLine(d / "catVal/cualidad", 5, "   "); }, "catVal/cualidad:5:"},
      {"item wider than its list", [](auto& d) { SetLine(d / "cas/interes", 2, std::string(61, 'i')); },
       "cas/interes:2:"},
      {"a language with a line missing", [](auto& d) { EditLines(d / "euskera/interes", [](auto& l) { l.pop_back(); }); },
       "euskera/interes:"},
      {"missing file", [](auto& d) { fs::remove(d / "galego/cuesgm"); }, "galego/cuesgm:"},
  };
  for (const PlantedFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    Restore();
    fault.plant(dir);
    std::vector<std::string> problems = Problems();
    ASSERT_FALSE(problems.empty());
    for (const std::string& p : problems) EXPECT_EQ(p.rfind(fault.at, 0), 0u) << p;
  }
}

// A small source tree of the part: every file valid, each case then breaks one row.
class QuestionnairesCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("trazora-questionnaires-src-" + std::to_string(::getpid()));
    fs::remove_all(root);
    sources = {
        {"cualidad.tsv", "weight\titineraries" + Texts() + "\n1\t1 2 3 4 5 6\tNúmeros" + Same("Números") +
                             "\n2\t7 8 9 10 11 12\tCálculo" + Same("Cálculo") + "\n"},
        {"interes.tsv", "itineraries" + Texts() + "\n1 2 3 4 5 6 7 8 9 10 11 12\tLa naturaleza" +
                            Same("La naturaleza") + "\n"},
        {"eso-areas.tsv", "key\tdescription\na\tA\nb\tB\nc\tC\nd\tD\ne\tE\nf\tF\n"},
        {"itineraries.tsv", Itineraries()},
        {"eso-report.tsv", Report()},
        {"cuestion.tsv", Questions()},
        {"cuesgm-areas.tsv", GmAreas()},
        {"cuesgm.tsv", "key\tareas" + Texts() + "\ngm-uno\tr10 r1\tMe gusta" + Same("Me gusta") +
                           "\ngm-dos\tr2 r3\tDos" + Same("Dos") + "\ngm-tres\tr4 r5\tTres" + Same("Tres") +
                           "\ngm-cuatro\tr6 r7\tCuatro" + Same("Cuatro") + "\ngm-cinco\tr8 r9\tCinco" +
                           Same("Cinco") + "\n"},
    };
  }
  void TearDown() override { fs::remove_all(root); }

  static std::string Texts() { return "\ttext_cas\ttext_cat\ttext_gal\ttext_eus"; }
  static std::string Same(const std::string& t) { return "\t" + t + "\t" + t + "\t" + t; }
  static std::string Itineraries() {
    std::string s = "n\tname_cas\tname_cat\tname_gal\tname_eus\n";
    for (int n = 1; n <= 13; ++n) s += std::to_string(n) + "\tItinerario " + std::to_string(n) + Same("I" + std::to_string(n)) + "\n";
    return s;
  }
  static std::string Report() {
    std::string s = "line\trole" + Texts() + "\n";
    auto add = [&](int line, const std::string& role) { s += std::to_string(line) + "\t" + role + "\tT" + Same("T") + "\n"; };
    add(21, "title");
    for (int n = 22; n <= 27; ++n) add(n, "track");
    add(30, "ranking-heading");
    add(32, "score-heading");
    add(33, "itinerary-heading");
    add(34, "advice-heading");
    const char* advice[] = {"a", "a", "b", "b", "b", "c", "c", "d", "d", "e", "e", "f", "f"};
    for (int n = 35; n <= 47; ++n) add(n, std::string("advice ") + advice[n - 35]);
    add(48, "all-good");
    add(49, "all-good");
    for (int n = 50; n <= 52; ++n) add(n, "closing");
    return s;
  }
  static std::string Questions() {
    std::string s = "part\tweight\tanswers\titineraries\tareas" + Texts() + "\n";
    s += "1\t4\t3\t1 2 3 4 5 6 7 8 9 10 11 12 13\ta b c d e f\t¿Estudias?" + Same("Estudies?") + "\n";
    for (int q = 2; q <= 35; ++q) s += "1\t2\t2\t\t\tPregunta" + Same("P") + "\n";
    s += "2\t8\t5\t13\t\t¿Te gusta?" + Same("G") + "\n";
    return s;
  }
  static std::string GmAreas() {
    std::string s = "key" + Texts() + "\n";
    for (int n = 1; n <= 11; ++n) s += "r" + std::to_string(n) + "\tÁrea" + Same("A") + "\n";
    return s;
  }
  // Replaces row `row` (1 = the header) of a source.
  void SetRow(const std::string& file, std::size_t row, const std::string& text) {
    std::string& s = sources[file];
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < s.size(); start = end + 1) {
      end = s.find('\n', start);
      lines.push_back(s.substr(start, end - start));
    }
    lines.at(row - 1) = text;
    s.clear();
    for (const auto& l : lines) s += l + "\n";
  }
  bool Compile() {
    fs::remove_all(root);
    for (const auto& [name, text] : sources) Spit(root / "src/questionnaires" / name, text);
    fs::create_directories(root / "out");
    log = {};
    keys = {};
    mkdata::Context c{(root / "src").string(), (root / "out").string(), log, keys};
    return mkdata::CompileQuestionnaires(c) && log.errors.empty();
  }
  std::vector<std::string> Out(const std::string& file) { return SplitLines(Slurp(root / "out" / file)); }

  fs::path root;
  std::map<std::string, std::string> sources;
  mkdata::Log log;
  mkdata::Keys keys;
};

TEST_F(QuestionnairesCompiler, WritesTheExactLayoutsAndDefinesTheStatements) {
  ASSERT_TRUE(Compile()) << ::testing::PrintToString(log.errors);
  EXPECT_EQ(log.notes, std::vector<std::string>{});
  // Rows gathered from the items' itineraries, counted; the third skill area (row 16) has question 1.
  EXPECT_EQ(Out("cuestiocua"), (std::vector<std::string>{"1;1", "1;1", "1;1", "1;1", "1;1", "1;1", "1;2", "1;2",
                                                        "1;2", "1;2", "1;2", "1;2"}));
  auto eso = Out("cuestioESO");
  ASSERT_EQ(eso.size(), 20u);
  EXPECT_EQ(eso[12], "2;1;36");  // itinerary 13: questions 1 and 36
  EXPECT_EQ(eso[15], "1;1");
  EXPECT_EQ(eso[19], "0");
  // Weight class, answer type, text in Windows-1252.
  EXPECT_EQ(Out("cas/cuestion")[0], "43\xBF" "Estudias?");
  // Area digits: row 10 is written 0; text from character 3.
  auto gm = Out("catVal/cuesgm");
  ASSERT_EQ(gm.size(), 16u);
  EXPECT_EQ(gm[10], "A");
  EXPECT_EQ(gm[11], "01Me gusta");
  EXPECT_EQ(gm[15], "89Cinco");
  auto itinerar = Out("euskera/itinerar");
  ASSERT_EQ(itinerar.size(), 52u);
  EXPECT_EQ(itinerar[12], "I13");
  EXPECT_EQ(itinerar[13], "");  // lines 14-20 are not used
  EXPECT_EQ(itinerar[20], "T");
  EXPECT_EQ(keys.Resolve("statement", "gm-cinco", "test", 1, log), 5);
  EXPECT_EQ(keys.Resolve("statement", "gm-seis", "test", 7, log), 0);
  EXPECT_EQ(log.errors, std::vector<std::string>{"test:7: unknown statement \"gm-seis\""});
}

TEST_F(QuestionnairesCompiler, ReportsABadRowAtItsSourceLine) {
  struct Case {
    const char* name;
    std::string file;
    std::size_t row;
    std::string text;
    std::string error;  // the start of the first error
  };
  const std::vector<Case> cases = {
      {"weight that the qualities scoring does not give", "cualidad.tsv", 3, "1\t7\tCálculo" + Same("C"),
       "questionnaires/cualidad.tsv:3: item 2 weighs 2"},
      {"itinerary out of range", "interes.tsv", 2, "1 2 3 4 5 6 7 8 9 10 11 13\tX" + Same("X"),
       "questionnaires/interes.tsv:2: itineraries: \"13\""},
      {"an itinerary left without items", "interes.tsv", 2, "1 2 3 4 5 6 7 8 9 10 11\tX" + Same("X"),
       "questionnaires/interes.tsv:0: itinerary 12 has no item"},
      {"fifth answer that scores nothing", "cuestion.tsv", 5, "1\t4\t5\t\t\tP" + Same("P"),
       "questionnaires/cuestion.tsv:5: in weight class 4"},
      {"second-part question among the first 35", "cuestion.tsv", 10, "2\t2\t2\t\t\tP" + Same("P"),
       "questionnaires/cuestion.tsv:10: question 9 belongs to part 1"},
      {"unknown skill area", "cuestion.tsv", 4, "1\t2\t2\t\tz\tP" + Same("P"),
       "questionnaires/cuestion.tsv:4: unknown skill area \"z\""},
      {"advice at the line of another area", "eso-report.tsv", 16, "36\tadvice b\tT" + Same("T"),
       "questionnaires/eso-report.tsv:16: line 36 is \"advice a\""},
      {"two itineraries that start alike", "itineraries.tsv", 3, "2\tItinerario 1" + Same("J"),
       "questionnaires/itineraries.tsv:3: the cas name starts with the same 20 characters as itinerary 1"},
      {"unknown area of a statement", "cuesgm.tsv", 3, "gm-dos\tr2 nada\tDos" + Same("Dos"),
       "questionnaires/cuesgm.tsv:3: unknown area \"nada\""},
      {"area row 10 in second place", "cuesgm.tsv", 2, "gm-uno\tr1 r10\tMe gusta" + Same("M"),
       "questionnaires/cuesgm.tsv:2: area row 10"},
      {"statement key given twice", "cuesgm.tsv", 4, "gm-dos\tr4 r5\tTres" + Same("Tres"),
       "questionnaires/cuesgm.tsv:4: statement \"gm-dos\" is defined twice"},
      {"text outside the code page", "cuesgm.tsv", 5, "gm-cuatro\tr6 r7\tCuatro \xE2\x9C\x93" + Same("C"),
       "questionnaires/cuesgm.tsv:5: column text_cas"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    SetUp();
    SetRow(k.file, k.row, k.text);
    EXPECT_FALSE(Compile());
    ASSERT_FALSE(log.errors.empty());
    EXPECT_EQ(log.errors[0].rfind(k.error, 0), 0u) << ::testing::PrintToString(log.errors);
  }
}

TEST_F(QuestionnairesCompiler, NotesATextTheScreenWouldCut) {
  SetRow("cuestion.tsv", 37, "2\t8\t5\t13\t\t" + std::string(49, 'q') + Same("G"));
  ASSERT_TRUE(Compile()) << ::testing::PrintToString(log.errors);
  ASSERT_EQ(log.notes.size(), 1u) << ::testing::PrintToString(log.notes);
  EXPECT_EQ(log.notes[0].rfind("questionnaires/cuestion.tsv:37: cas question has 49 characters", 0), 0u)
      << log.notes[0];
}

}  // namespace
