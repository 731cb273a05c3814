// Readers, text table and settings record.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "core/courses.h"
#include "core/globals.h"
#include "core/readers.h"
#include "core/services.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/text.h"
#include "core/texttable.h"

namespace fs = std::filesystem;
using namespace core;

namespace {

class RecordingServices : public CoreServices {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  bool Question(const std::string&) override { return answer; }
  ScreenInfo Screen() override { return screen; }
  std::vector<std::string> messages;
  bool answer = false;
  ScreenInfo screen;
};

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    AllocateStore();
    SetServices(&services);
    dir = fs::temp_directory_path() / ("trazora-core-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    SetServices(nullptr);
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir);
  }
  std::string Write(const std::string& name, const std::string& content) {
    std::ofstream(dir / name, std::ios::binary) << content;
    return (dir / name).string();
  }
  RecordingServices services;
  fs::path dir;
};

TEST(Text, SplitFieldsAndPadding) {
  EXPECT_EQ(SplitFields("a;;b", ';'), (TArreglo{"a", "", "b"}));
  EXPECT_EQ(SplitFields("", ';'), (TArreglo{""}));
  EXPECT_EQ(PadToWidth("0123456789", 60), "0123456789" + std::string(50, ' '));
  EXPECT_EQ(PadToWidth(std::string(70, 'x'), 60), std::string(60, 'x'));
  EXPECT_EQ(PadToWidth("", 60), std::string(59, ' '));
  EXPECT_EQ(PadToWidth("ab", 90).size(), 82u);  // padding adds at most 80
  EXPECT_EQ(TrimRightSpaces("ab \t   "), "ab \t");
  EXPECT_TRUE(IsBlank("   "));
  EXPECT_FALSE(IsBlank(" a "));
  EXPECT_EQ(Utf8ToCp1252("Català €"), std::string("Catal\xE0 \x80"));
  EXPECT_EQ(Cp1252ToUtf8("\xF1"), "ñ");
  int bad = 0;
  EXPECT_EQ(Utf8ToCp1252("a✓", &bad), "a?");
  EXPECT_EQ(bad, 1);
}

TEST_F(CoreTest, PaddedListCountsAndKeepsLaterEntries) {
  TextList list(kListCapacity, 60);
  list.Set(4, "old");
  std::string path = Write("comunida", "Uno\r\nDos\r\n" + std::string(70, 'x') + "\r\n");
  ASSERT_TRUE(ReadPaddedList(path, list, 55));
  EXPECT_EQ(list.count, 3);
  EXPECT_EQ(list[0], path.substr(0, 60));  // entry 0 is a slot like the others
  EXPECT_EQ(list[1], "Uno" + std::string(52, ' '));
  EXPECT_EQ(list[3], std::string(55, 'x'));
  EXPECT_EQ(list[4], "old");
}

TEST_F(CoreTest, MissingCheckedFileNamesThePathAndStopsTheStart) {
  TextList list(kListCapacity, 60);
  std::string path = (dir / "nada").string();
  EXPECT_FALSE(ReadPaddedList(path, list, 60));
  EXPECT_TRUE(G().LoadFailed);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0], "Faltan ficheros (" + path + "). Vuelva a instalar el programa");
}

TEST_F(CoreTest, OverCapacityIsReportedAtItsLine) {
  TextList list(3, 60);
  std::string path = Write("lista", "a\nb\nc\nd\n");
  EXPECT_FALSE(ReadPaddedList(path, list, 60));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_NE(services.messages[0].find(path), std::string::npos);
  EXPECT_NE(services.messages[0].find(Utf8ToCp1252("línea 4")), std::string::npos);
  EXPECT_EQ(list.count, 0);
}

TEST_F(CoreTest, MarkedListKeepsLineNumbers) {
  TextList list(kListCapacity, 60);
  int lines[kListCapacity] = {};
  ASSERT_TRUE(ReadMarkedList(Write("fp", "x\r\n-ab\r\ny\r\n-cd\r\n"), list, lines, 60));
  EXPECT_EQ(list.count, 2);
  EXPECT_EQ(list[1], PadToWidth("ab", 60));
  EXPECT_EQ(list[2], PadToWidth("cd", 60));
  EXPECT_EQ(lines[0], 2);
  EXPECT_EQ(lines[1], 4);
}

TEST_F(CoreTest, GroupedListSkipsHeaders) {
  std::string content;
  for (int i = 1; i <= 30; ++i) content += "l" + std::to_string(i) + "\n";
  GroupTable groups(200, 25, 60);
  ASSERT_TRUE(ReadGroupedList(Write("asignafp", content), groups, 2, 26));
  EXPECT_EQ(groups.count, 2);
  EXPECT_EQ(groups.size(1), 25);
  EXPECT_EQ(groups.size(2), 3);
  EXPECT_EQ(groups.at(1, 0), PadToWidth("l2", 60));
  EXPECT_EQ(groups.at(2, 0), PadToWidth("l28", 60));
}

TEST_F(CoreTest, CountedAndFlagRows) {
  Store& s = S();
  ASSERT_TRUE(ReadFlagRows(Write("cuestiocua", "3;4;0;6\n0\n-1;5\n"), s.cuestiocua, s));
  EXPECT_EQ(s.cuestiocua.at(1, 0), 3);
  EXPECT_EQ(s.cuestiocua.at(1, 1), 4);
  EXPECT_EQ(s.cuestiocua.at(1, 2), 0);
  EXPECT_EQ(s.cuestiocua.at(1, 3), 6);
  EXPECT_EQ(s.cuestiocua.at(3, 1), 0);  // a negative count stores nothing

  std::array<int, 4> counts{1, 1, 0, 1};
  ASSERT_TRUE(ReadBlockMatrices(Write("datluggsphp", "0\n2;5;7\n1;9\n"), s.datluggsphp, counts, s));
  EXPECT_EQ(s.datluggsphp.m[0].at(1, 0), 0);
  EXPECT_EQ(s.datluggsphp.m[1].at(1, 2), 7);
  EXPECT_EQ(s.datluggsphp.m[3].at(1, 1), 9);

  EXPECT_FALSE(ReadFlagRows(Write("bad", "2;x;3\n"), s.cuestioint, s));
  EXPECT_NE(services.messages.back().find(Utf8ToCp1252("línea 1")), std::string::npos);
  EXPECT_FALSE(ReadFlagRows(Write("short", "3;1\n"), s.cuestioint, s));
  EXPECT_FALSE(G().LoadFailed);  // unchecked readers leave the start going
}

TEST_F(CoreTest, TripleBlockDistinctList) {
  Store& s = S();
  // One degree: A = 3 values, B = 1 value, C = 5, 5, 0 (and a value past the length).
  ASSERT_TRUE(ReadTripleBlockRows(Write("datcarnphp", "3;1;2;3\n1;80\n4;5;5;0;9\n"), 1, s.datcarnphp, s));
  EXPECT_EQ(s.datcarnphp.distinct.at(1, 0), 1);
  EXPECT_EQ(s.datcarnphp.distinct.at(1, 1), 5);
}

TEST_F(CoreTest, CodedNamesPlacesAndDoubles) {
  Store& s = S();
  std::string comarcas;
  for (int i = 1; i <= 41; ++i) comarcas += "AB" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "Comarca" + std::to_string(i) + "\n";
  comarcas += "XYDistrito uno\n";
  ASSERT_TRUE(ReadCodedNames(Write("comarcas", comarcas), s.comarcas, 20));
  EXPECT_EQ(s.comarcas.count, 42);
  EXPECT_EQ(s.comarcas.names[36], "Comarca37");
  EXPECT_EQ(s.comarcas.names[41], "Distrito uno");
  EXPECT_EQ(s.comarcas.prefixes[41], "XY");
  EXPECT_FALSE(ReadCodedNames(Write("comarcas2", "ABxxNombre\n"), s.comarcas, 20));
  EXPECT_EQ(services.messages.back(), "mal 1");

  ASSERT_TRUE(ReadPlaces(Write("lugar", "07Madrid" + std::string(29, ' ') + "https://x.es   \n"), s.lugar));
  EXPECT_EQ(s.lugar.codes[0], 7);
  EXPECT_EQ(s.lugar.names[1], "Madrid" + std::string(29, ' '));
  EXPECT_EQ(s.lugar.addresses[1], "https://x.es");

  s.datgradosphp.at(1, 9) = 101;
  s.datgradosphp.at(2, 9) = 202;
  ASSERT_TRUE(ReadDoubleDegrees(Write("dobles", "    101202    \n00ignored\n01Grupo uno\n    202101 ab \n    2x2101\n"),
                                s.dobles, s.datgradosphp, 2));
  EXPECT_EQ(s.dobles.count, 1);
  EXPECT_EQ(s.dobles.degreeA[0][1], 1);  // an item before any header belongs to group 0
  EXPECT_EQ(s.dobles.notes[0][1], " -  ");
  EXPECT_EQ(s.dobles.degreeA[1][1], 2);
  EXPECT_EQ(s.dobles.notes[1][1], " ab ");
  EXPECT_EQ(s.dobles.itemCount[1], 2);
  EXPECT_EQ(services.messages.back(), "ERROR en fichero de dobles");
}

TEST_F(CoreTest, TextTableWidths) {
  std::string content;
  for (int i = 1; i <= 430; ++i) {
    if (i == 49 || i == 429) content += std::string(80, 'w');
    else if (i == 3) content += "tres   ";
    else if (i == 4) content += "cuatro\t";
    else content += "t" + std::to_string(i);
    content += "\r\n";
  }
  TextTable table;
  ASSERT_TRUE(ReadTextTable(Write("textos", content), table));
  CopyTextSlots(table);
  EXPECT_EQ(Txt(49), std::string(25, 'w'));
  EXPECT_EQ(Txt(429), std::string(75, 'w'));
  EXPECT_EQ(Txt(3), "tres");
  EXPECT_EQ(Txt(4), "cuatro\t");
  EXPECT_EQ(Txt(431), "");
  EXPECT_EQ(TextWidth(188), 2);
  EXPECT_EQ(TextWidth(172), 0);
}

TEST_F(CoreTest, SettingsRoundTripIsByteExact) {
  SettingsRecord record = MakeSettingsRecord("  IES Ejemplo ", 2, true);
  for (std::size_t i : {0u, 53u, 57u, 59u, 85u}) record[i] = static_cast<std::uint8_t>(0xA0 + i % 50);
  std::string path = Write("clave24", std::string(record.begin(), record.end()));
  ASSERT_TRUE(ProbeWritable(path));
  ReadSettings(path);
  EXPECT_FALSE(G().LoadFailed);
  EXPECT_EQ(G().CentreName, "IES Ejemplo");
  EXPECT_EQ(G().LangDir, "galego/");
  EXPECT_TRUE(G().AnimationOn);
  ASSERT_TRUE(SaveSettings(path));
  std::ifstream in(path, std::ios::binary);
  std::string back((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(back, std::string(record.begin(), record.end()));
  G().LanguageCode = 1;
  G().AnimationSetting = false;
  ASSERT_TRUE(SaveSettings(path));
  std::ifstream in2(path, std::ios::binary);
  std::string changed((std::istreambuf_iterator<char>(in2)), {});
  record[kOffsetLanguage] = 1;
  record[kOffsetAnimation] = 0;
  EXPECT_EQ(changed, std::string(record.begin(), record.end()));
  EXPECT_FALSE(fs::exists(path + ".nuevo"));

  // A school renaming its copy keeps every byte outside the name field.
  SettingsRecord renamed = record;
  SetCentreName(renamed, "Otro");
  EXPECT_EQ(StoredCentreName(renamed), "Otro");
  for (std::size_t i = kOffsetName + 4; i < kOffsetName + kCentreNameMax; ++i) EXPECT_EQ(renamed[i], 0) << i;
  for (std::size_t i : {0u, 53u, 57u, 59u, 85u}) EXPECT_EQ(renamed[i], record[i]) << i;
}

TEST_F(CoreTest, SettingsFailures) {
  ReadSettings((dir / "clave24").string());
  EXPECT_TRUE(G().LoadFailed);
  EXPECT_EQ(services.messages.back(),
            Utf8ToCp1252("El programa no funcionará correctamente. Faltan ficheros. Vuelva a instalarlo."));

  SettingsRecord record = MakeSettingsRecord("Centro", 7, false);
  std::string path = Write("clave24", std::string(record.begin(), record.end()));
  ReadSettings(path);
  EXPECT_EQ(G().LangDir, "");  // a language outside 0..3
  EXPECT_TRUE(G().SortLists);

  Write("corto", "abc");
  ReadSettings((dir / "corto").string());
  EXPECT_TRUE(G().LoadFailed);

  if (::geteuid() != 0) {  // root writes anywhere
    ::chmod(path.c_str(), 0444);
    ::chmod(dir.c_str(), 0555);
    ResetGlobals();
    EXPECT_FALSE(ProbeWritable(path));
    ReadSettings(path);
    EXPECT_FALSE(SaveSettings(path));
    EXPECT_EQ(services.messages.back(), "Lo siento. No puedo grabar.");
  }
  ResetGlobals();
  G().BinaryReadOnly = true;  // read-only media, as ProbeWritable leaves it
  ReadSettings(path);
  EXPECT_FALSE(SaveSettings(path));
  EXPECT_EQ(services.messages.back(), "Lo siento. No puedo grabar.");
}

TEST_F(CoreTest, MapRastersAndCodeTable) {
  MapRasters rasters;
  rasters.spain.Set(281, 196, 7);
  rasters.catalonia.Set(1, 220, 41);
  std::string bytes = EncodeMapRasters(rasters);
  EXPECT_EQ(bytes.size(), 714864u);
  bytes[0] = 1;  // 257 = 0x0101 keeps only its low byte
  bytes[1] = 1;
  MapRasters back;
  ASSERT_TRUE(BuildMapRasters(bytes, back));
  EXPECT_EQ(back.spain.RegionAt(1, 1), 1);
  EXPECT_EQ(back.spain.RegionAt(281, 196), 7);
  EXPECT_EQ(back.spain.RegionAt(282, 1), 0);
  EXPECT_EQ(back.spain.RegionAt(0, 5), 0);
  EXPECT_EQ(back.catalonia.RegionAt(1, 220), 41);
  EXPECT_FALSE(BuildMapRasters("short", back));
  EXPECT_EQ(S().codeTable[7], "3G");
  EXPECT_EQ(S().codeTable[8], "3D");
  EXPECT_EQ(S().markers[19][0], 136);
}

}  // namespace

namespace {

TEST(Courses, ListsRowsAndFamilyCodes) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::size_t a, b;
  };
  const std::vector<Case> cases = {
      {"K = 2: every line from the second is list B", {"2", "07Uno", "x", "http://a", "08Dos", "y", "http://b"}, 0, 2},
      {"two lists", {" 5 ", "07Uno", "x", "http://a", "16Dos", "y", "http://b"}, 1, 1},
      {"a short last row", {"5", "07Uno", "x", "http://a", "16Dos"}, 1, 1},
      {"K past the end", {"40", "07Uno", "x", "http://a"}, 1, 0},
      {"K not a number", {"x", "07Uno", "x", "http://a"}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CourseLists lists = ParseCourses(c.lines);
    EXPECT_EQ(lists.a.size(), c.a);
    EXPECT_EQ(lists.b.size(), c.b);
  }
  CourseLists lists = ParseCourses({"5", "  07 Camino ", "segundo", "http://a", "Sin codigo", "", "x", "16Dos"});
  EXPECT_EQ(lists.a[0].family, 7);
  EXPECT_EQ(lists.a[0].name, "Camino");
  EXPECT_EQ(lists.b[0].family, 0);
  EXPECT_EQ(lists.b[0].name, "n codigo");  // a line without a code loses its first two characters
  EXPECT_EQ(lists.b[1].second, "");         // the short last row
  EXPECT_EQ(lists.b[1].address, "");

  std::vector<std::string> many = {"2"};
  for (int i = 0; i < 150; ++i) many.push_back("01x");
  EXPECT_EQ(ParseCourses(many).b.size(), 34u);  // 100 lines: 33 rows and a short one
}

TEST(Courses, FamilyIconsKeepTheLastMatch) {
  int last = 0;
  EXPECT_EQ(FamilyIconIndex(1, last), 31);
  EXPECT_EQ(FamilyIconIndex(10, last), 0);
  EXPECT_EQ(FamilyIconIndex(26, last), 42);
  EXPECT_EQ(FamilyIconIndex(27, last), 42);
  EXPECT_EQ(FamilyIconIndex(99, last), 42);
  EXPECT_EQ(FamilyIconIndex(21, last), 16);
}

}  // namespace
