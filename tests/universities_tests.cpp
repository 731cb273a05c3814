// Degrees, places, offers, double degrees and profiles: the shipped files pass
// the validator, planted faults are reported at their file and line, and the
// compiler writes the exact layouts and reports bad sources at their line.
#include <gtest/gtest.h>

#include "datafiles.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "checker.h"
#include "checks.h"
#include "compile.h"
#include "core/text.h"
#include "core/textfile.h"
#include "parts.h"
#include "source.h"
#include "validator.h"

namespace fs = std::filesystem;

namespace {

using namespace testdata;

int LineCount(const fs::path& path) { return static_cast<int>(SplitLines(Slurp(path)).size()); }

// Rewrites line n (1-based) of a CR LF file.
void EditLine(const fs::path& path, int n, const std::function<std::string(std::string)>& edit) {
  auto lines = SplitLines(Slurp(path));
  lines.at(static_cast<std::size_t>(n - 1)) = edit(lines.at(static_cast<std::size_t>(n - 1)));
  Spit(path, JoinLines(lines));
}

std::function<std::string(std::string)> Becomes(const std::string& text) {
  return [text](std::string) { return text; };
}

// The first line (1-based) of a file that satisfies a test, 0 when none does.
int FirstLine(const fs::path& path, const std::function<bool(const std::string&)>& test) {
  auto lines = SplitLines(Slurp(path));
  for (std::size_t n = 0; n < lines.size(); ++n)
    if (test(lines[n])) return static_cast<int>(n) + 1;
  return 0;
}

std::vector<std::string> UniversityProblems(const fs::path& dir) {
  validate::Checker c(dir.string() + "/");
  validate::CheckUniversities(c);
  std::vector<std::string> texts;
  for (const auto& p : c.TakeProblems()) texts.push_back(validate::Format(p));
  return texts;
}

// Problems come from the universities' own checks (UniversityProblems).
class UniversitiesFolder : public PartFolder {
 protected:
  UniversitiesFolder() : PartFolder("universities", {}) {}
};

TEST_F(UniversitiesFolder, ShippedFilesHaveNoProblem) {
  EXPECT_EQ(UniversityProblems(dir), std::vector<std::string>{});
}

// Every degree of the shipped list is taught somewhere: a degree nobody
// offers would show an empty where-to-study view.
TEST_F(UniversitiesFolder, EveryShippedDegreeIsOfferedSomewhere) {
  auto datcarn = SplitLines(Slurp(dir / "datcarnphp"));
  auto degrees = SplitLines(Slurp(dir / "cas/carreran"));
  ASSERT_EQ(datcarn.size(), 3 * degrees.size());
  for (std::size_t d = 0; d < degrees.size(); ++d)
    EXPECT_GT(std::stoi(core::SplitFields(datcarn[d], ';')[0]), 0) << core::Cp1252ToUtf8(degrees[d]);
}

struct PlantedFault {
  const char* name;
  std::function<void(const fs::path&)> plant;
  std::function<std::string(const fs::path&)> expected;  // "file:line:" that must be reported
};

std::function<std::string(const fs::path&)> At(const std::string& where) {
  return [where](const fs::path&) { return where; };
}

// Field k (1-based) of a ';' row set to a value.
std::function<std::string(std::string)> FieldIs(std::size_t k, const std::string& value) {
  return [k, value](std::string row) {
    auto fields = core::SplitFields(row, ';');
    fields.at(k - 1) = value;
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? ";" : "") + fields[i];
    return out;
  };
}

TEST_F(UniversitiesFolder, EachPlantedFaultIsReportedAtItsFileAndLine) {
  const int n = LineCount(dir / "cas/carreran");
  const auto line = [](int k) { return ":" + std::to_string(k) + ":"; };
  const auto itemLine = [](const fs::path& d) {
    return FirstLine(d / "dobles", [](const std::string& l) { return l.rfind("    ", 0) == 0; });
  };
  const std::vector<PlantedFault> faults = {
      {"degree name wider than 60", [](auto& d) { EditLine(d / "galego/carreran", 10, [](std::string l) {
         return l + std::string(61, 'x');
       }); },
       At("galego/carreran:10:")},
      {"a language with a title variant less", [](auto& d) {
         auto lines = SplitLines(Slurp(d / "catVal/carrenue"));
         lines.pop_back();
         Spit(d / "catVal/carrenue", JoinLines(lines));
       },
       At("catVal/carrenue:")},
      {"empty group name", [](auto& d) { EditLine(d / "euskera/carreranb", 3, Becomes("   ")); },
       At("euskera/carreranb:3:")},
      {"group that is no line of carreranb", [](auto& d) { EditLine(d / "datgradosphp", 5, FieldIs(2, "99")); },
       At("datgradosphp:5:")},
      {"itinerary 13 (vocational only)", [](auto& d) { EditLine(d / "datgradosphp", 6, FieldIs(3, "13")); },
       At("datgradosphp:6:")},
      {"subject past the end of materiasp", [](auto& d) { EditLine(d / "datgradosphp", 7, FieldIs(12, "49")); },
       At("datgradosphp:7:")},
      {"profession past the end of profesio", [](auto& d) { EditLine(d / "datgradosphp", 8, FieldIs(6, "9999")); },
       At("datgradosphp:8:")},
      {"degree key used twice", [](auto& d) {
         const std::string key = core::SplitFields(SplitLines(Slurp(d / "datgradosphp"))[1], ';')[9];
         EditLine(d / "datgradosphp", 3, FieldIs(10, key));
       },
       At("datgradosphp:3:")},
      {"row with fewer than 14 fields", [](auto& d) { EditLine(d / "datgradosphp", 9, Becomes("1;2;3")); },
       At("datgradosphp:9:")},
      {"counted row shorter than its count", [](auto& d) { EditLine(d / "datcarnphp", 2, [](std::string l) {
         return "99" + l.substr(l.find(';'));
       }); },
       At("datcarnphp:2:")},
      {"place that is no line of lugar", [](auto& d) { EditLine(d / "datcarnphp", 1, FieldIs(2, "250")); },
       At("datcarnphp:1:")},
      {"mark above 14", [n](auto& d) { EditLine(d / "datcarnphp", n + 1, FieldIs(2, "155")); },
       At("datcarnphp" + line(n + 1))},
      {"marks of a degree not matching its places", [n](auto& d) {
         EditLine(d / "datcarnphp", n + 3, [](std::string l) {
           const int count = std::stoi(l.substr(0, l.find(';')));
           return std::to_string(count + 1) + l.substr(l.find(';')) + ";10";
         });
       },
       At("datcarnphp" + line(n + 3))},
      {"title variant that is no line of carrenue", [n](auto& d) {
         EditLine(d / "datcarnphp", 2 * n + 1, FieldIs(2, "200"));
       },
       At("datcarnphp" + line(2 * n + 1))},
      {"a block line missing", [n](auto& d) {
         auto lines = SplitLines(Slurp(d / "datcarnphp"));
         lines.pop_back();
         Spit(d / "datcarnphp", JoinLines(lines));
       },
       At("datcarnphp" + line(3 * n))},
      {"place without a region", [](auto& d) { EditLine(d / "lugar", 4, [](std::string l) {
         return "25" + l.substr(2);
       }); },
       At("lugar:4:")},
      {"web address given with its prefix", [](auto& d) { EditLine(d / "lugar", 5, [](std::string l) {
         return l.substr(0, 37) + "http://www." + l.substr(37);
       }); },
       At("lugar:5:")},
      {"a region without its authority", [](auto& d) {
         auto lines = SplitLines(Slurp(d / "comuint"));
         lines.pop_back();
         Spit(d / "comuint", JoinLines(lines));
       },
       At("comuint:19:")},
      {"double degree of an unknown key", [itemLine](auto& d) {
         EditLine(d / "dobles", itemLine(d), [](std::string l) { return l.replace(4, 3, "998"); });
       },
       [itemLine](auto& d) { return "dobles" + std::to_string(itemLine(d)).insert(0, ":") + ":"; }},
      {"group that does not repeat its place", [](auto& d) {
         EditLine(d / "dobles", 1, [](std::string l) { return l.substr(0, 2) + "Otra universidad"; });
       },
       At("dobles:1:")},
      {"profile block without its key line", [](auto& d) {
         const int at = FirstLine(d / "grados.txt", [](const std::string& l) { return l.find("<<") != std::string::npos; });
         EditLine(d / "grados.txt", at, Becomes("--"));
       },
       At("grados.txt:")},
      {"missing file", [](auto& d) { fs::remove(d / "cas/carrenue"); }, At("cas/carrenue:")},
  };
  for (const PlantedFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    Restore();
    fault.plant(dir);
    const std::vector<std::string> problems = UniversityProblems(dir);
    ASSERT_EQ(problems.size(), 1u) << ::testing::PrintToString(problems);
    const std::string expected = fault.expected(dir);
    EXPECT_EQ(problems[0].rfind(expected, 0), 0u) << problems[0] << " (expected " << expected << ")";
  }
}

// A source tree of its own for the compiler: two degrees, two places.
std::map<std::string, std::string> FixtureSources() {
  std::string subjects = "key\tbranches\tname_cas\tname_cat\tname_gal\tname_eus\n";
  const std::map<int, std::string> branches = {{3, "2 5"},  {7, "4"},      {9, "3 4"},   {11, "2 4 5"}, {12, "3"},
                                               {18, "3"},   {19, "2 4 5"}, {20, "3"},    {21, "2 4 5"}};
  for (int k = 1; k <= 21; ++k) {
    auto b = branches.find(k);
    const std::string name = k == 11 ? "Matemáticas II" : "Materia " + std::to_string(k);
    subjects += "s" + std::to_string(k) + "\t" + (b == branches.end() ? "" : b->second) + "\t" + name + "\t" + name +
                "\t" + name + "\t" + name + "\n";
  }
  std::string authorities = "region\tlabel\tweb\n";
  for (int r = 1; r <= 19; ++r) authorities += std::to_string(r) + "\tR" + std::to_string(r) + "\tedu.r" + std::to_string(r) + ".es\n";
  return {
      {"subjects.tsv", subjects},
      {"groups.tsv", "key\tbranch\tname_cas\tname_cat\tname_gal\tname_eus\n"
                     "ing\t4\tIngeniería\tEnginyeria\tEnxeñaría\tIngeniaritza\n"},
      {"variants.tsv", "key\tname_cas\tname_cat\tname_gal\tname_eus\n"
                       "civil-t\tIngeniería Civil y Territorial\tEnginyeria Civil i Territorial\t"
                       "Enxeñaría Civil e Territorial\tIngeniaritza Zibila eta Lurraldekoa\n"},
      {"degrees.tsv",
       "key\tcode\tgroup\titineraries\tprofessions\tfamily\tsubjects\tname_cas\tname_cat\tname_gal\tname_eus\n"
       "civil\t511\ting\t4\tingeniero-civil\t7\ts11 s19\tIngeniería Civil\tEnginyeria Civil\tEnxeñaría Civil\t"
       "Ingeniaritza Zibila\n"
       "informatica\t541\ting\t4 5\t\t16\ts11 any\tIngeniería Informática\tEnginyeria Informàtica\t"
       "Enxeñaría Informática\tInformatika Ingeniaritza\n"},
      {"places.tsv", "key\tregion\tname\tweb\nuno\t13\tUniversidad Uno\tuno.es\ndos\t9\tUniversitat Dos\tdos.cat\n"},
      {"offers.tsv", "place\tdegrees\ndos\tcivil/civil-t=12.5 informatica\nuno\tcivil\n"},
      {"doubles.tsv", "place\tfirst\tsecond\tnote\ndos\tcivil\tinformatica\tBil.\n"},
      {"authorities.tsv", authorities},
      {"profiles.tsv", "degree\tstudies_cas\toutlets_cas\n"
                       "civil\tEstructuras | Hidráulica\tObra pública\n"
                       "informatica\tProgramación\tDesarrollo | Sistemas\n"},
  };
}

class UniversitiesCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("trazora-universities-compile-" + std::to_string(::getpid()));
    fs::remove_all(root);
  }
  void TearDown() override { fs::remove_all(root); }
  // Writes the sources (with one replaced) and compiles them.
  bool Compile(const std::map<std::string, std::string>& sources, mkdata::Log& log) {
    fs::remove_all(root);
    for (const auto& [name, text] : sources) Spit(root / "src/universities" / name, text);
    mkdata::Keys keys;
    keys.Define("profession", "ingeniero-civil", 3, "professions/profesio.tsv", 2, log);
    mkdata::Context c{(root / "src").string(), (root / "out").string(), log, keys};
    fs::create_directories(root / "out");
    return mkdata::CompileUniversities(c);
  }
  std::string Out(const std::string& file) { return Slurp(root / "out" / file); }
  fs::path root;
};

TEST_F(UniversitiesCompiler, WritesTheExactLayouts) {
  mkdata::Log log;
  ASSERT_TRUE(Compile(FixtureSources(), log)) << ::testing::PrintToString(log.errors);
  EXPECT_EQ(log.errors, std::vector<std::string>{});
  EXPECT_EQ(log.notes, std::vector<std::string>{});
  const std::string pad35 = std::string(35 - 15, ' ');  // both place names have 15 characters
  EXPECT_EQ(Out("lugar"), "13Universidad Uno" + pad35 + "uno.es\r\n 9Universitat Dos" + pad35 + "dos.cat\r\n");
  EXPECT_EQ(Out("datgradosphp"), "4;1;4;0;3;0;0;0;7;511;11;19;0;0\r\n4;1;4;5;0;0;0;0;16;541;11;50;0;0\r\n");
  // Places in place order, whatever the order of offers.tsv; 10 is "no mark".
  EXPECT_EQ(Out("datcarnphp"), "2;1;2\r\n1;2\r\n2;10;125\r\n1;10\r\n2;0;1\r\n1;0\r\n");
  EXPECT_EQ(Out("dobles"), "13Universidad Uno" + pad35 + "\r\n 9Universitat Dos" + pad35 + "\r\n    511541Bil.\r\n");
  EXPECT_EQ(SplitLines(Out("comuint"))[0], " 1 R1" + std::string(9, ' ') + "edu.r1.es");
  EXPECT_EQ(Out("cas/carreran"), "Ingenier\xED" "a Civil\r\nIngenier\xED" "a Inform\xE1tica\r\n");
  EXPECT_EQ(Out("catVal/carrenue"), "Enginyeria Civil i Territorial\r\n");
  EXPECT_EQ(SplitLines(Out("galego/materiasp"))[10], "Matem\xE1ticas II");
  EXPECT_EQ(Out("grados.txt"),
            "<<511\r\n\r\nIngenier\xED" "a Civil\r\nQu\xE9 estudiar\xE9\r\n* Estructuras\r\n* Hidr\xE1ulica\r\n"
            "Salidas profesionales\r\n* Obra p\xFA" "blica\r\n"
            "<<541\r\n\r\nIngenier\xED" "a Inform\xE1tica\r\nQu\xE9 estudiar\xE9\r\n* Programaci\xF3n\r\n"
            "Salidas profesionales\r\n* Desarrollo\r\n* Sistemas\r\n<<FIN\r\n");
  // What the compiler writes, the validator accepts.
  validate::Checker checker((root / "out").string() + "/");
  validate::CheckUniversities(checker);
  std::vector<std::string> problems;
  for (const auto& p : checker.TakeProblems()) problems.push_back(validate::Format(p));
  EXPECT_EQ(problems, std::vector<std::string>{});
}

TEST_F(UniversitiesCompiler, ReportsBadSourcesAtTheirLine) {
  struct Case {
    const char* name;
    std::string file, text;
    std::string error;  // the start of the one error expected
  };
  const auto base = FixtureSources();
  const auto with = [&](const std::string& file, const std::string& from, const std::string& to) {
    std::string text = base.at(file);
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::vector<Case> cases = {
      {"itinerary outside 1-12", "degrees.tsv", with("degrees.tsv", "\t4\tingeniero", "\t13\tingeniero"),
       "universities/degrees.tsv:2: itineraries"},
      {"unknown group", "degrees.tsv", with("degrees.tsv", "541\ting", "541\tnope"),
       "universities/degrees.tsv:3: unknown degree group \"nope\""},
      {"degree code used twice", "degrees.tsv", with("degrees.tsv", "541", "511"), "universities/degrees.tsv:3:"},
      {"unknown profession", "degrees.tsv", with("degrees.tsv", "ingeniero-civil", "astronauta"),
       "universities/degrees.tsv:2: unknown profession"},
      {"unknown place", "offers.tsv", with("offers.tsv", "dos\t", "tres\t"), "universities/offers.tsv:2: unknown place"},
      {"mark above 14", "offers.tsv", with("offers.tsv", "=12.5", "=15.2"), "universities/offers.tsv:2:"},
      {"unknown title variant", "offers.tsv", with("offers.tsv", "/civil-t", "/civil-x"),
       "universities/offers.tsv:2: unknown title variant"},
      {"subject row away from where the screen lists it", "subjects.tsv",
       with("subjects.tsv", "s4\t\t", "s4\t2\t"), "universities/subjects.tsv:5:"},
      {"double degree of an unknown degree", "doubles.tsv", with("doubles.tsv", "\tinformatica\t", "\tinformatika\t"),
       "universities/doubles.tsv:2: unknown degree"},
      {"a profile row with a field missing", "profiles.tsv", with("profiles.tsv", "\tObra pública", ""),
       "universities/profiles.tsv:2:"},
      {"a region without its authority", "authorities.tsv", with("authorities.tsv", "19\tR19\tedu.r19.es\n", ""),
       "universities/authorities.tsv:0:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto sources = base;
    sources[c.file] = c.text;
    mkdata::Log log;
    Compile(sources, log);
    ASSERT_EQ(log.errors.size(), 1u) << ::testing::PrintToString(log.errors);
    EXPECT_EQ(log.errors[0].rfind(c.error, 0), 0u) << log.errors[0];
  }
}

}  // namespace
