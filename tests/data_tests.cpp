// The data compiler and the validator: the shipped folder passes, planted
// faults are reported at their file and line, and compiling is reproducible.
#include <gtest/gtest.h>

#include "datafiles.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include "compile.h"
#include "core/text.h"
#include "core/textfile.h"
#include "core/texttable.h"
#include "validator.h"

namespace fs = std::filesystem;

namespace {

using namespace testdata;

const char* const kLanguages[] = {"cas/", "catVal/", "galego/", "euskera/"};

class DataFolder : public ::testing::Test {
 protected:
  std::vector<std::string> Problems() { return Formatted(validate::ValidateFolder(dir.string() + "/")); }
  FolderCopy copy{std::string("data-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()};
  const fs::path dir = copy.dir();
};

TEST_F(DataFolder, ShippedFolderHasNoProblemInAnyLanguage) {
  EXPECT_EQ(Problems(), std::vector<std::string>{});
}

struct PlantedFault {
  const char* name;
  std::function<void(const fs::path&)> plant;
  const char* expected;  // the start of the reported problem: "file:line:"
};

TEST_F(DataFolder, EachPlantedFaultIsReportedAtItsFileAndLine) {
  const std::vector<PlantedFault> faults = {
      {"text wider than its place", [](auto& d) { ReplaceLine(d / "cas/textos", 49, std::string(26, 'x')); },
       "cas/textos:49:"},
      {"used text left empty", [](auto& d) { ReplaceLine(d / "catVal/textos", 21, "   "); }, "catVal/textos:21:"},
      {"character outside the code page", [](auto& d) { ReplaceLine(d / "galego/informa_l", 3, "13 a\x81"); },
       "galego/informa_l:3:"},
      {"line ending without CR", [](auto& d) {
         std::string t = Slurp(d / "euskera/textos");
         std::size_t at = 0;
         for (int i = 0; i < 4; ++i) at = t.find("\r\n", at) + 2;
         t.erase(at - 2, 1);  // line 4 now ends with LF only
         Spit(d / "euskera/textos", t);
       },
       "euskera/textos:4:"},
      {"information list over capacity", [](auto& d) {
         std::string t = Slurp(d / "cas/materias_l");
         for (int i = 0; i < 601; ++i) t += " 1 x\r\n";
         Spit(d / "cas/materias_l", t);
       },
       "cas/materias_l:601:"},
      {"information line wider than shown",
       [](auto& d) { ReplaceLine(d / "cas/informa_l", 60, "50" + std::string(59, 'y')); }, "cas/informa_l:60:"},
      {"courses: start of the second list past the end", [](auto& d) { ReplaceLine(d / "cas/cursespe", 1, "9999"); },
       "cas/cursespe:1:"},
      {"courses: no family code", [](auto& d) { ReplaceLine(d / "catVal/cursespe", 2, "Curs sense codi"); },
       "catVal/cursespe:2:"},
      {"courses: address outside the data folder",
       [](auto& d) { ReplaceLine(d / "galego/cursespe", 4, "../../etc/passwd"); }, "galego/cursespe:4:"},
      {"settings record of the wrong size", [](auto& d) { Spit(d / "clave24", "corto"); }, "clave24:"},
      {"map rasters of the wrong size", [](auto& d) { Spit(d / "puntos3", std::string(100, '\0')); }, "puntos3:"},
      {"header strip of the wrong size", [](auto& d) { fs::copy_file(d / "suelo", d / "cabecera",
                                                                      fs::copy_options::overwrite_existing); },
       "cabecera:"},
      {"missing file", [](auto& d) { fs::remove(d / "euskera/cursespe"); }, "euskera/cursespe:"},
      {"region whose first province does not exist", [](auto& d) { ReplaceLine(d / "comunida", 3, "99Principado de Asturias"); },
       "comunida:3:"},
      {"province outside its region's range", [](auto& d) { ReplaceLine(d / "comunida", 20, "02Almer\xED" "a"); },
       "comunida:20:"},
      {"region split over two place files",
       [](auto& d) {
         ReplaceLine(d / "comunida", 6, "18Cantabria");  // Santa Cruz de Tenerife (lu3) joins Cantabria (lu1)
         ReplaceLine(d / "comunida", 19 + 18, "06Santa Cruz de Tenerife");
       },
       "comunida:6:"},
      {"sub-region number used twice", [](auto& d) { ReplaceLine(d / "comarcas", 2, "6201Alt Empord\xE0"); },
       "comarcas:2:"},
      {"Catalan code with the letter of a Valencian province", [](auto& d) { ReplaceLine(d / "comarcas", 1, "4101Alt Camp"); },
       "comarcas:1:"},
      {"Barcelona district with the letter of another province",
       [](auto& d) { ReplaceLine(d / "comarcas", 42, "6gCiutat Vella"); }, "comarcas:42:"},
      {"Madrid zone code with the letter of Cuenca", [](auto& d) { ReplaceLine(d / "comarcasm", 5, "D303Alcobendas"); },
       "comarcasm:5:"},
      {"zone with a fourth line", [](auto& d) {
         std::string t = Slurp(d / "comarcasm");
         Spit(d / "comarcasm", t + "B202Otro\r\n");
       },
       "comarcasm:"},
  };
  for (const PlantedFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    copy.Restore();
    fault.plant(dir);
    std::vector<std::string> problems = Problems();
    ASSERT_EQ(problems.size(), 1u) << ::testing::PrintToString(problems);
    EXPECT_EQ(problems[0].rfind(fault.expected, 0), 0u) << problems[0];
  }
}

// Sources of the compiler: a tiny tree of its own.
class Compiler : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("trazora-compile-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "src/lines");
  }
  void TearDown() override { fs::remove_all(root); }
  void Source(const std::string& name, const std::string& text) { Spit(root / "src/lines" / name, text); }
  bool Compile(const std::string& out, mkdata::Log& log) {
    return mkdata::CompileLineFiles((root / "src").string(), (root / out).string(), log);
  }
  fs::path root;
};

TEST_F(Compiler, MergesPartsIntoCodePageFilesAndIsReproducible) {
  Source("textos.b.tsv", "141\tSí\tSí\tSi\tBai\n");
  Source("textos.a.tsv", "# a comment line\n2\tESO\tESO\tESO\tDBH\n");
  Source("cursespe.tsv", "1\t2\t2\t2\t2\n3\t07Camí\t07Camí\t07Camiño\t07Bidea\n");
  mkdata::Log log;
  ASSERT_TRUE(Compile("one", log)) << ::testing::PrintToString(log.errors);
  ASSERT_TRUE(Compile("two", log));
  for (const char* file : {"cas/textos", "euskera/textos", "catVal/cursespe"})
    EXPECT_EQ(Slurp(root / "one" / file), Slurp(root / "two" / file)) << file;

  std::string textos = Slurp(root / "one/galego/textos");
  EXPECT_EQ(std::count(textos.begin(), textos.end(), '\n'), 750);
  EXPECT_EQ(textos.substr(0, 7), "\r\nESO\r\n");
  auto lines = core::ReadLines((root / "one/cas/textos").string());
  EXPECT_EQ((*lines)[140], "S\xED");
  EXPECT_EQ(Slurp(root / "one/catVal/cursespe"), "2\r\n\r\n07Cam\xED\r\n");  // a gap is an empty line
}

TEST_F(Compiler, ReportsBadSourcesAtTheirLine) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::string error;  // the start of the one error expected, or empty
    std::string note;   // the start of the one note expected, or empty
  };
  const std::vector<Case> cases = {
      {"three texts instead of four", {{"textos.tsv", "2\tESO\tESO\tESO\n"}}, "lines/textos.tsv:1:", ""},
      {"a character outside the code page", {{"textos.tsv", "2\ta\tb\tc\td\n3\ta\tb\tc\t\xE2\x9C\x93\n"}},
       "lines/textos.tsv:2:", ""},
      {"the same line twice", {{"informa_l.tsv", "1\ta\ta\ta\ta\n1\tb\tb\tb\tb\n"}}, "lines/informa_l.tsv:2:", ""},
      {"the same line in two parts", {{"textos.a.tsv", "2\ta\ta\ta\ta\n"}, {"textos.b.tsv", "2\tb\tb\tb\tb\n"}},
       "lines/textos.b.tsv:", ""},
      {"a text wider than its place", {{"textos.tsv", "49\tx\tx\tx\t" + std::string(30, 'x') + "\n"}}, "",
       "lines/textos.tsv:49: euskera"},
      {"an information line wider than shown", {{"informa_l.tsv", "1\t" + std::string(61, 'i') + "\ti\ti\ti\n"}}, "",
       "lines/informa_l.tsv:1: cas"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(root / "src/lines");
    fs::create_directories(root / "src/lines");
    for (const auto& [name, text] : c.files) Source(name, text);
    mkdata::Log log;
    bool ok = Compile("out", log);
    EXPECT_EQ(ok, c.error.empty());
    ASSERT_EQ(log.errors.size(), c.error.empty() ? 0u : 1u) << ::testing::PrintToString(log.errors);
    if (!c.error.empty()) {
      EXPECT_EQ(log.errors[0].rfind(c.error, 0), 0u) << log.errors[0];
    }
    ASSERT_EQ(log.notes.size(), c.note.empty() ? 0u : 1u) << ::testing::PrintToString(log.notes);
    if (!c.note.empty()) {
      EXPECT_EQ(log.notes[0].rfind(c.note, 0), 0u) << log.notes[0];
    }
  }
}

// Every used text is written, and the other languages are translations.
TEST(ShippedTexts, AreTranslatedNotCopied) {
  std::vector<std::vector<std::string>> texts;
  for (const char* lang : kLanguages)
    texts.push_back(core::ReadLines(std::string(TRAZORA_TEST_DATA) + "/" + lang + "textos").value_or(
        std::vector<std::string>{}));
  for (std::size_t l = 1; l < 4; ++l) {
    int written = 0, same = 0;
    for (int n = core::kFirstInterfaceText; n <= core::kLastInterfaceText; ++n) {
      const std::string& cas = texts[0][static_cast<std::size_t>(n - 1)];
      if (core::IsBlank(cas)) continue;
      ++written;
      same += texts[l][static_cast<std::size_t>(n - 1)] == cas;
    }
    ASSERT_GT(written, 400);
    // Short names (ESO, FP, Internet...) may coincide; a copied file would not.
    EXPECT_LT(same * 5, written) << kLanguages[l] << ": " << same << " of " << written << " texts equal";
  }
}

// The whole data set compiles the same bytes every time, and they are the
// files of the folder the program starts from.
TEST(ShippedSources, CompileReproduciblyIntoTheShippedFolder) {
  const fs::path root = fs::temp_directory_path() / ("trazora-recompile-" + std::to_string(::getpid()));
  fs::remove_all(root);
  for (const char* out : {"a", "b"}) {
    mkdata::Log log;
    EXPECT_TRUE(mkdata::CompileAll(TRAZORA_DATA_SRC, (root / out).string(), log))
        << ::testing::PrintToString(log.errors);
    EXPECT_EQ(log.notes, std::vector<std::string>{});
  }
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root / "a")) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), root / "a");
    ++files;
    EXPECT_EQ(Slurp(entry.path()), Slurp(root / "b" / relative)) << relative;
    EXPECT_EQ(Slurp(entry.path()), Slurp(fs::path(TRAZORA_TEST_DATA) / relative)) << relative;
  }
  EXPECT_GT(files, 4 * 30);
  fs::remove_all(root);
}

}  // namespace
