// A report printed to a PDF file through the Qt print target.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/globals.h"
#include "core/store.h"
#include "ui/platform.h"
#include "ui/qtprinttarget.h"

namespace {

QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PdfPrint, ReportGoesToAPdfWithItsPagesAndText) {
  core::ResetGlobals();
  core::AllocateStore();
  core::G().CentreName = "IES Prueba";
  core::TextList& buffer = core::S().ReportLines;
  buffer.Set(0, "Informe de prueba");
  for (int i = 1; i <= 120; ++i) buffer.Set(i, "Linea " + std::to_string(i));
  QTemporaryDir dir;
  ui::ScriptedPlatform platform;
  ui::SetPlatform(&platform);
  QString pdf = dir.path() + "/informe.pdf";
  platform.printTo.push_back(pdf);
  ASSERT_TRUE(ui::PrintReport(ui::ReportLayout::List, 120, false, 12));
  QString info = RunTool("pdfinfo", {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3"))) << info.toStdString();
  QString text = RunTool("pdftotext", {"-layout", pdf, "-"});
  EXPECT_TRUE(text.contains("IES Prueba"));
  EXPECT_TRUE(text.contains("2023/24"));
  EXPECT_TRUE(text.contains("Linea 120"));

  // A cancelled dialog prints nothing.
  EXPECT_FALSE(ui::PrintReport(ui::ReportLayout::List, 120, false, 12));
  ui::SetPlatform(nullptr);
}

}  // namespace
