// Report layouts of the print builders, on the recording target.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "core/hardcopy.h"
#include "core/recordingtarget.h"
#include "core/store.h"

using namespace core;

namespace {

// Body lines printed (the header texts carry no "L" prefix).
int BodyLines(const RecordingTarget& t, int page) {
  int n = 0;
  for (const auto& text : t.TextsOn(page))
    if (text.text.rfind("L", 0) == 0) ++n;
  return n;
}

TextList& Fill(int n) {
  ResetGlobals();
  AllocateStore();
  G().CentreName = "IES Prueba";
  TextList& buffer = S().ReportLines;
  buffer.Set(0, "Informe");
  for (int i = 1; i <= n; ++i) buffer.Set(i, "L" + std::to_string(i) + "   ");
  return buffer;
}

struct Layout {
  int lines;
  bool fixed;
  bool landscape;
  std::vector<int> perPage;
};

TEST(Print, ReportLayouts) {
  const Layout cases[] = {
      {74, false, false, {71, 3}},         // one portrait column, Courier size 10
      {75, true, true, {75}},              // three columns of 25
      {151, true, true, {150, 1}},         // two pages of 3 x 50
      {160, false, true, {120, 40}},       // 4 columns of 40 rows, 2 pages
  };
  for (const Layout& c : cases) {
    SCOPED_TRACE(c.lines);
    TextList& buffer = Fill(c.lines);
    RecordingTarget t;
    PrintColumns(t, buffer, c.lines, c.fixed);
    EXPECT_EQ(t.landscape, c.landscape);
    EXPECT_EQ(t.jobTitle, "el Trazora");
    ASSERT_EQ(t.pages, static_cast<int>(c.perPage.size()));
    for (std::size_t p = 0; p < c.perPage.size(); ++p) EXPECT_EQ(BodyLines(t, static_cast<int>(p) + 1), c.perPage[p]);
    // Columns remove trailing spaces; the one-column list prints lines as they are.
    EXPECT_TRUE(t.Printed("L" + std::to_string(c.lines) + (c.landscape ? "" : "   ")));
  }
}

TEST(Print, ColumnsGoDownThenAcross) {
  TextList& buffer = Fill(75);
  RecordingTarget t;
  PrintColumns(t, buffer, 75, true);
  auto find = [&](const std::string& s) {
    for (const auto& x : t.texts)
      if (x.text == s) return x;
    return PrintedText{};
  };
  EXPECT_EQ(find("L1").y, find("L26").y);
  EXPECT_LT(find("L1").x, find("L26").x);
  EXPECT_LT(find("L26").x, find("L51").x);
  EXPECT_EQ(find("L1").x, find("L25").x);
  // The header circle shows no page number on a one-page report.
  int ellipses = 0;
  for (const auto& s : t.shapes) ellipses += s.kind == 'E';
  EXPECT_EQ(ellipses, 1);
  EXPECT_FALSE(t.Printed("1"));
}

TEST(Print, ListHeaderOnlyOnFirstPageAndBoldLines) {
  TextList& buffer = Fill(120);
  AddBoldLine(2);
  AddBoldLine(500);  // beyond the report: no effect
  RecordingTarget t;
  PrintList(t, buffer, 120, false, 12);
  ASSERT_EQ(t.pages, 3);
  EXPECT_EQ(BodyLines(t, 1), 51);
  EXPECT_EQ(BodyLines(t, 2), 51);
  EXPECT_EQ(BodyLines(t, 3), 18);
  EXPECT_TRUE(t.Printed("IES Prueba"));
  EXPECT_TRUE(t.Printed("2023/24"));
  for (const auto& x : t.TextsOn(2)) EXPECT_NE(x.text, "IES Prueba");
  int images = 0;
  for (const auto& s : t.shapes) images += s.kind == 'I' && s.image == "chica.bmp";
  EXPECT_EQ(images, 1);
  for (const auto& x : t.texts) {
    if (x.text == "L2   ") {
      EXPECT_TRUE(x.bold);
    }
    if (x.text == "L3   ") {
      EXPECT_FALSE(x.bold);
    }
    if (x.text.rfind("L", 0) == 0) {
      EXPECT_EQ(x.font, "Arial");
    }
  }
  EXPECT_EQ(S().BoldLines[0], 0);  // reset after the job
}

TEST(Print, ExactPageLeavesNoEmptyPage) {
  TextList& buffer = Fill(71);
  RecordingTarget t;
  PrintList(t, buffer, 71, true, 10);
  EXPECT_EQ(t.pages, 1);
}

TEST(Print, FixedPitchWideReportNumbersItsPages) {
  TextList& buffer = Fill(151);
  RecordingTarget t;
  PrintColumns(t, buffer, 151, true);
  bool one = false, two = false;
  for (const auto& x : t.texts) {
    if (x.text == "1" && x.page == 1 && x.size == 16) one = true;
    if (x.text == "2" && x.page == 2 && x.size == 16) two = true;
  }
  EXPECT_TRUE(one);
  EXPECT_TRUE(two);
}

}  // namespace
