// Access requirements, professional certificates and family statistics: the
// shipped files pass the validator, planted faults are reported where they
// are, and the compiler writes the exact layouts and reports bad sources at
// their line.
#include <gtest/gtest.h>

#include "datafiles.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include "compile.h"
#include "core/textfile.h"
#include "parts.h"
#include "source.h"
#include "validator.h"

namespace fs = std::filesystem;

namespace {

using namespace testdata;

// Rewrites line n (1-based) of a CR LF file.
void EditLine(const fs::path& path, int n, const std::function<std::string(std::string)>& edit) {
  auto lines = SplitLines(Slurp(path));
  lines.at(static_cast<std::size_t>(n - 1)) = edit(lines.at(static_cast<std::size_t>(n - 1)));
  Spit(path, JoinLines(lines));
}

void DropLastLine(const fs::path& path) {
  auto lines = SplitLines(Slurp(path));
  lines.pop_back();
  Spit(path, JoinLines(lines));
}

int LineCount(const fs::path& path) { return static_cast<int>(SplitLines(Slurp(path)).size()); }

class FamiliesFolder : public PartFolder {
 protected:
  FamiliesFolder() : PartFolder("families", {"reqfp", "certifica", "certificah", "fami_estad.txt"}) {}
};

TEST_F(FamiliesFolder, ShippedFilesHaveNoProblem) {
  EXPECT_EQ(Problems(), std::vector<std::string>{});
}

struct PlantedFault {
  const char* name;
  std::function<void(const fs::path&)> plant;
  std::function<std::string(const fs::path&)> expected;  // "file:line:" that must be reported
};

std::function<std::string(const fs::path&)> At(const std::string& where) {
  return [where](const fs::path&) { return where; };
}

// Line 10 of certifica is the header of family 1, lines 11 and 12 its first
// certificates (and the same lines of certificah their details).
TEST_F(FamiliesFolder, EachPlantedFaultIsReportedInItsFileAndLine) {
  auto replace = [](const std::string& text) { return [text](std::string) { return text; }; };
  const std::vector<PlantedFault> faults = {
      {"requirement wider than 55", [&](auto& d) { EditLine(d / "cas/reqfp", 3, replace(std::string(56, 'x'))); },
       At("cas/reqfp:3:")},
      {"empty requirement line", [&](auto& d) { EditLine(d / "euskera/reqfp", 5, replace("   ")); },
       At("euskera/reqfp:5:")},
      {"a language with a requirement line less", [](auto& d) { DropLastLine(d / "galego/reqfp"); },
       [](auto& d) { return "galego/reqfp:" + std::to_string(LineCount(d / "cas/reqfp")) + ":"; }},
      {"group letter that is no family", [](auto& d) { EditLine(d / "catVal/certifica", 2, [](std::string l) {
         return l.replace(2, 1, "Z");
       }); },
       At("catVal/certifica:2:")},
      {"family in no group", [](auto& d) { EditLine(d / "catVal/certifica", 9, [](std::string l) {
         return l.replace(1, 1, " ");  // group "B1" loses family 1
       }); },
       At("catVal/certifica:10:")},
      {"certificate outside its family's block", [](auto& d) { EditLine(d / "catVal/certifica", 11, [](std::string l) {
         return l.replace(0, 1, "2");
       }); },
       At("catVal/certifica:11:")},
      {"second header of a family", [](auto& d) { EditLine(d / "galego/certifica", 11, [](std::string l) {
         return l.replace(1, 0, "-");
       }); },
       At("galego/certifica:11:")},
      {"certificate line wider than 60", [](auto& d) { EditLine(d / "euskera/certifica", 12, [](std::string l) {
         return l + std::string(60, 'x');
       }); },
       At("euskera/certifica:12:")},
      {"requirement code with no definition", [](auto& d) { EditLine(d / "euskera/certificah", 11, [](std::string l) {
         return l.replace(0, 1, "Z");
       }); },
       At("euskera/certificah:11:")},
      {"hours that are not a number", [](auto& d) { EditLine(d / "catVal/certificah", 12, [](std::string l) {
         return l.replace(3, 3, "abc");
       }); },
       At("catVal/certificah:12:")},
      {"definition without text", [&](auto& d) { EditLine(d / "catVal/certificah", 3, replace("2")); },
       At("catVal/certificah:3:")},
      {"a certificate without its detail line", [](auto& d) { DropLastLine(d / "galego/certificah"); },
       [](auto& d) { return "galego/certificah:" + std::to_string(LineCount(d / "cas/certificah")) + ":"; }},
      {"percentage with a comma", [&](auto& d) { EditLine(d / "fami_estad.txt", 5, replace("12,5")); },
       At("fami_estad.txt:5:")},
      {"percentage over 100", [&](auto& d) { EditLine(d / "fami_estad.txt", 7, replace("100.5")); },
       At("fami_estad.txt:7:")},
      {"a family without percentage", [](auto& d) { DropLastLine(d / "fami_estad.txt"); }, At("fami_estad.txt:26:")},
      {"missing file", [](auto& d) { fs::remove(d / "cas/certificah"); }, At("cas/certificah:")},
  };
  for (const PlantedFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    Restore();
    fault.plant(dir);
    const std::string expected = fault.expected(dir);
    const std::string file = expected.substr(0, expected.find(':'));
    std::vector<std::string> problems;
    bool found = false;
    for (const auto& p : PartProblems()) {
      problems.push_back(validate::Format(p));
      found = found || problems.back().rfind(expected, 0) == 0;
      EXPECT_EQ(p.file, file) << problems.back();  // nothing else is blamed
    }
    EXPECT_TRUE(found) << expected << " not in " << ::testing::PrintToString(problems);
  }
}

// The compiler on a tiny source tree of its own.
class FamiliesCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("trazora-families-src-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const std::string codes = "123456789ABCDEFGHIJKLMNOPQ";
    std::string families = "code\tpercent\tbasis\tname_cas\tname_cat\tname_gal\tname_eus\n";
    for (char code : codes) families += std::string(1, code) + "\t12.5\tx\tFamilia\tFamília\tFamilia\tArloa\n";
    sources = {
        {"reqfp.tsv", "key\ttext_cas\ttext_cat\ttext_gal\ttext_eus\n"
                      "vias\tVías:\tVies:\tVías:\tBideak:\n"
                      "tecnico\tTécnico\tTècnic\tTécnico\tTeknikaria\n"},
        {"families.tsv", families},
        {"groups.tsv", "families\tname_cas\tname_cat\tname_gal\tname_eus\n"
                       "1 2 3 4 5 6 7 8\tUno\tU\tUn\tBat\n9 A B C D E F G\tDos\tDos\tDous\tBi\n"
                       "H I J K L M N O\tTres\tTres\tTres\tHiru\nP Q\tCuatro\tQuatre\tCatro\tLau\n"
                       "P\tg\tg\tg\tg\nP\tg\tg\tg\tg\nP\tg\tg\tg\tg\nP\tg\tg\tg\tg\nQ\tg\tg\tg\tg\n"},
        {"requirements.tsv", "code\ttext_cas\ttext_cat\ttext_gal\ttext_eus\n"
                             "1\tNada\tRes\tNada\tEzer ez\n2\tESO\tESO\tESO\tDBH\n2\tN2\tN2\tN2\tN2\n"
                             "2\tc\tc\tc\tc\n2\td\td\td\td\n3\tBach\tBatx\tBach\tBatx\n3\te\te\te\te\n"
                             "3\tf\tf\tf\tf\n3\tg\tg\tg\tg\n"},
        {"certificates.tsv",
         "family\tlevel\textra\thours\tname_cas\tname_cat\tname_gal\tname_eus\tdescription_cas\t"
         "description_cat\tdescription_gal\tdescription_eus\n"
         "# a comment\n"
         "1\t2\t\t370\tSocorrismo\tSocorrisme\tSocorrismo\tSorospena\tVigila piscinas.\tVigila piscines.\t"
         "Vixía piscinas.\tIgerilekuak zaintzen ditu.\n"
         "2\t1\t3\t90\tArchivo\tArxiu\tArquivo\tArtxiboa\tArchiva.\tArxiva.\tArquiva.\tArtxibatzen du.\n"},
    };
  }
  void TearDown() override { fs::remove_all(root); }
  // Writes the sources, with one replaced when asked, and compiles them.
  bool Compile(mkdata::Log& log, mkdata::Keys& keys) {
    for (const auto& [name, text] : sources) Spit(root / "src/families" / name, text);
    mkdata::Context c{(root / "src").string(), (root / "out").string(), log, keys};
    return mkdata::CompileFamilies(c) && log.errors.empty();
  }
  fs::path root;
  std::map<std::string, std::string> sources;
};

TEST_F(FamiliesCompiler, WritesTheExactLayoutsAndDefinesRequirementKeys) {
  mkdata::Log log;
  mkdata::Keys keys;
  ASSERT_TRUE(Compile(log, keys)) << ::testing::PrintToString(log.errors);
  EXPECT_EQ(log.notes, std::vector<std::string>{});
  EXPECT_EQ(keys.Resolve("requirement", "tecnico", "test", 0, log), 2);
  EXPECT_EQ(Slurp(root / "out/catVal/reqfp"), "Vies:\r\nT\xE8" "cnic\r\n");

  const auto certifica = SplitLines(Slurp(root / "out/cas/certifica"));
  const auto certificah = SplitLines(Slurp(root / "out/euskera/certificah"));
  ASSERT_EQ(certifica.size(), 9u + 26u + 2u);  // groups, one header per family, two certificates
  ASSERT_EQ(certificah.size(), certifica.size());
  EXPECT_EQ(certifica[0], "12345678Uno");
  EXPECT_EQ(certifica[9], "1-Familia");
  EXPECT_EQ(certifica[10], "1Socorrismo");
  EXPECT_EQ(certifica[11], "2-Familia");
  EXPECT_EQ(certifica[12], "2Archivo");
  EXPECT_EQ(certificah[0], "1Ezer ez");
  EXPECT_EQ(certificah[10], "2  370 Igerilekuak zaintzen ditu.");
  EXPECT_EQ(certificah[12], "13  90 Artxibatzen du.");
  EXPECT_EQ(SplitLines(Slurp(root / "out/fami_estad.txt")), std::vector<std::string>(26, "12.5"));
}

TEST_F(FamiliesCompiler, ReportsBadSourcesAtTheirLine) {
  struct Case {
    const char* name;
    std::string file, from, to;  // replace "from" by "to" in the source file
    std::string expected;        // start of the one error, or of the one note when it starts with "note "
  };
  const std::vector<Case> cases = {
      {"hours that are not a number", "certificates.tsv", "\t370\t", "\tmuchas\t", "families/certificates.tsv:3:"},
      {"an unknown requirement code", "certificates.tsv", "\t3\t90", "\tZ\t90",
       "families/certificates.tsv:4: unknown requirement code"},
      {"a level out of range", "certificates.tsv", "1\t2\t\t370", "1\t4\t\t370", "families/certificates.tsv:3:"},
      {"an unknown family", "certificates.tsv", "2\t1\t3", "R\t1\t3", "families/certificates.tsv:4:"},
      {"a requirement key defined twice", "reqfp.tsv", "tecnico\t", "vias\t",
       "families/reqfp.tsv:3: requirement \"vias\" is defined twice"},
      {"a key that is not lowercase", "reqfp.tsv", "tecnico\t", "Tecnico\t", "families/reqfp.tsv:3:"},
      {"families out of order", "families.tsv", "\nB\t", "\nX\t", "families/families.tsv:12:"},
      {"a percentage with a comma", "families.tsv", "3\t12.5", "3\t12,5", "families/families.tsv:4:"},
      {"a group letter that is no family", "groups.tsv", "P Q\t", "P Q Z\t", "families/groups.tsv:5:"},
      {"a requirement wider than 55", "reqfp.tsv", "Bideak:", std::string(56, 'b'), "note families/reqfp.tsv:2:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    std::string& text = sources.at(c.file);
    const std::size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, c.from.size(), c.to);
    mkdata::Log log;
    mkdata::Keys keys;
    const bool ok = Compile(log, keys);
    const bool note = c.expected.rfind("note ", 0) == 0;
    const std::vector<std::string>& reported = note ? log.notes : log.errors;
    const std::string expected = note ? c.expected.substr(5) : c.expected;
    EXPECT_EQ(ok, note);
    ASSERT_EQ(reported.size(), 1u) << ::testing::PrintToString(log.errors) << ::testing::PrintToString(log.notes);
    EXPECT_EQ(reported[0].rfind(expected, 0), 0u) << reported[0];
  }
}

}  // namespace
