// Start-up, the main menu's doors and the exit question, driven through the
// handlers with the scripted platform.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/program.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/text.h"
#include "core/texttable.h"
#include "shell/aviso.h"
#include "shell/bienvenida.h"
#include "shell/cursos.h"
#include "shell/principal.h"
#include "ui/codec.h"
#include "ui/platform.h"
#include "ui/screens.h"

namespace fs = std::filesystem;

namespace {

class StartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::ResetGlobals();
    ui::SetPlatform(&platform);
    ASSERT_TRUE(temp.isValid());
    exeDir = temp.path().toStdString() + "/";
    fs::copy(TRAZORA_TEST_DATA, exeDir + "trazora23_24", fs::copy_options::recursive);
  }
  void TearDown() override {
    ui::Screens().Clear();
    ui::SetPlatform(nullptr);
  }
  std::unique_ptr<app::Program> Make(core::CommandLine args = {}) {
    app::StartOptions options;
    options.exeDir = exeDir;
    options.args = args;
    options.pauses = false;
    return std::make_unique<app::Program>(options);
  }
  ui::ScriptedPlatform platform;
  QTemporaryDir temp;
  std::string exeDir;
};

TEST_F(StartTest, StartsToTheMainMenu) {
  auto program = Make();
  ASSERT_TRUE(program->Start());
  ASSERT_NE(program->menu(), nullptr);
  EXPECT_EQ(program->mainScreen(), program->menu());
  EXPECT_EQ(program->splash()->progress(), 100);
  EXPECT_EQ(program->menu()->size(), QSize(1024, 720));
  EXPECT_EQ(program->menu()->LabelAno->text(), "2023/24");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartTest, MissingTextosNamesTheFullPathAndShowsNoScreen) {
  fs::remove(exeDir + "trazora23_24/cas/textos");
  auto program = Make();
  EXPECT_FALSE(program->Start());
  EXPECT_EQ(program->menu(), nullptr);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "Faltan ficheros (" + exeDir + "trazora23_24/cas/textos). Vuelva a instalar el programa");
}

TEST_F(StartTest, MissingSettingsFile) {
  fs::remove(exeDir + "trazora23_24/clave24");
  auto program = Make();
  EXPECT_FALSE(program->Start());
  EXPECT_EQ(program->menu(), nullptr);
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages[0],
            core::Utf8ToCp1252("El programa no funcionará correctamente. Faltan ficheros. Vuelva a instalarlo."));
}

TEST_F(StartTest, SecondCopyIsRefusedAndTheFirstKeepsItsLock) {
  ui::QtPlatform first;
  first.lockFolder = temp.path() + "/locks";
  ASSERT_TRUE(first.AcquireSingleInstance(app::kInstanceName));
  ui::QtPlatform second;
  second.lockFolder = first.lockFolder;
  EXPECT_FALSE(second.AcquireSingleInstance(app::kInstanceName));

  platform.anotherCopyRunning = true;
  auto program = Make();
  EXPECT_FALSE(program->Start());
  EXPECT_EQ(program->menu(), nullptr);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find(core::Utf8ToCp1252("ya está funcionando")), std::string::npos);
  // The first copy still holds the lock.
  ui::QtPlatform third;
  third.lockFolder = first.lockFolder;
  EXPECT_FALSE(third.AcquireSingleInstance(app::kInstanceName));
  first.ReleaseSingleInstance();
  EXPECT_TRUE(third.AcquireSingleInstance(app::kInstanceName));
}

TEST_F(StartTest, UpdateArgumentShowsItsMessageOnce) {
  auto program = Make({"A", "2"});
  ASSERT_TRUE(program->Start());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "Programa Trazora actualizado");
  EXPECT_EQ(core::G().LangDir, "galego/");
  EXPECT_EQ(core::G().LanguageCode, 0);  // the stored language is unchanged
}

TEST_F(StartTest, DoorAnimationsThroughTheirTimers) {
  auto program = Make();
  ASSERT_TRUE(program->Start());
  shell::Tform0* menu = program->menu();
  QWidget section;
  ui::Screens().Add("TForm8", &section);
  menu->show();

  menu->DoorClick(1);
  menu->TimerPuertaTimer();
  menu->TimerPuertaTimer();
  EXPECT_TRUE(menu->TimerPuerta.isActive());
  menu->DoorClick(3);  // a second door while the first is climbing
  EXPECT_EQ(menu->ZoomStep, 0);
  for (int i = 0; i < 5; ++i) menu->TimerPuertaTimer();
  EXPECT_FALSE(menu->TimerPuerta.isActive());
  EXPECT_TRUE(menu->TimerZoom.isActive());
  int growth = 0;
  while (menu->TimerZoom.isActive() && growth < 20) {
    menu->TimerZoomTimer();
    ++growth;
  }
  // From step 5 the door grows while the step is below 100 (15 .. 105), then opens.
  EXPECT_EQ(growth, 11);
  EXPECT_EQ(menu->LastOpened, "TForm8");
  EXPECT_TRUE(section.isVisible());
  EXPECT_FALSE(menu->isVisible());
}

TEST_F(StartTest, WithTheAnimatedWorldADoorOpensOnTheFirstZoomTick) {
  auto program = Make();
  ASSERT_TRUE(program->Start());
  shell::Tform0* menu = program->menu();
  QWidget section;
  ui::Screens().Add("TForm1", &section);
  core::G().WorldPresent = true;
  menu->DoorClick(1);
  EXPECT_FALSE(menu->TimerPuerta.isActive());
  menu->TimerZoomTimer();
  EXPECT_EQ(menu->LastOpened, "TForm1");
}

TEST(DoorGeometry, BottomRowGrowsFromItsColumn) {
  EXPECT_EQ(shell::ZoomRect(7, 10, 171, 305), QRect(QPoint(171 - 5, 305), QPoint(342 + 5, 305 + 315)));
  EXPECT_EQ(shell::ZoomRect(11, 0, 171, 305).left(), 5 * 171);
  EXPECT_EQ(shell::DoorY(7), 510);
  EXPECT_EQ(shell::DoorY(6), 170);
}

TEST_F(StartTest, ExitQuestionNoLeavesEverythingAsItWas) {
  auto program = Make();
  ASSERT_TRUE(program->Start());
  shell::Tform0* menu = program->menu();
  menu->show();
  platform.answers.push_back(false);
  EXPECT_FALSE(menu->close());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_FALSE(core::G().LoadFailed);
  EXPECT_TRUE(core::StoreAllocated());
  EXPECT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], core::Txt(49));

  platform.answers.push_back(true);
  EXPECT_TRUE(menu->close());
  EXPECT_TRUE(core::G().LoadFailed);
  EXPECT_TRUE(program->loopEnded);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

TEST_F(StartTest, ConfigPanelSavesAndAsksForARestartOnlyWhenSomethingChanged) {
  auto program = Make();
  ASSERT_TRUE(program->Start());
  shell::Tform0* menu = program->menu();
  const std::string settings = exeDir + "trazora23_24/clave24";
  const std::string before = ReadAll(settings);
  const std::string restart = core::Txt(607);
  ASSERT_FALSE(restart.empty());

  menu->LabelConfigClick();
  EXPECT_TRUE(menu->cas->isChecked());
  menu->ButtonGrabarClick();  // nothing changed
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(ReadAll(settings), before);
  EXPECT_FALSE(menu->panelConfigu->isVisible());

  menu->LabelConfigClick();
  menu->si->setChecked(true);  // only the animation
  menu->ButtonGrabarClick();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], restart);
  EXPECT_EQ(ReadAll(settings)[core::kOffsetAnimation], 1);
  EXPECT_FALSE(core::G().AnimationOn);  // the running program keeps its state

  menu->LabelConfigClick();
  menu->eus->setChecked(true);
  menu->ButtonRetroConfClick();  // leaving without saving
  EXPECT_EQ(ReadAll(settings)[core::kOffsetLanguage], 0);

  menu->LabelConfigClick();
  EXPECT_TRUE(menu->cas->isChecked());
  menu->gal->setChecked(true);
  menu->casClick();
  EXPECT_EQ(menu->LabelIdiomaSel->text(), menu->gal->text());
  menu->ButtonGrabarClick();
  EXPECT_EQ(platform.messages.back(), restart);
  EXPECT_EQ(ReadAll(settings)[core::kOffsetLanguage], 2);
  EXPECT_EQ(core::G().LangDir, "cas/");

  // A save that fails says so, and never asks for a restart.
  core::G().BinaryReadOnly = true;
  menu->LabelConfigClick();
  menu->cat->setChecked(true);
  menu->ButtonGrabarClick();
  EXPECT_EQ(platform.messages.back(), "Lo siento. No puedo grabar.");
  EXPECT_EQ(ReadAll(settings)[core::kOffsetLanguage], 2);
}

TEST_F(StartTest, HoverColours) {
  auto program = Make();
  ASSERT_TRUE(program->Start());
  shell::Tform0* menu = program->menu();
  auto colour = [](QLabel* l) { return l->palette().color(QPalette::WindowText); };
  const QColor navy(0x00, 0x00, 0x80), red(0xFF, 0x00, 0x00), yellow(0xFF, 0xFF, 0x00);
  QLabel* door = menu->DoorLabel(4);
  EXPECT_EQ(colour(door), navy);
  EXPECT_EQ(door->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xE1));
  menu->DoorMouseMove(door);
  menu->DoorMouseMove(menu->LabelConfig);
  menu->LabelDejarMouseMove();
  EXPECT_EQ(colour(door), red);
  EXPECT_EQ(colour(menu->LabelConfig), red);
  EXPECT_EQ(colour(menu->LabelDejar), yellow);
  menu->mosaicoMouseMove();
  for (QLabel* l : {door, static_cast<QLabel*>(menu->LabelConfig), static_cast<QLabel*>(menu->LabelDejar)})
    EXPECT_EQ(colour(l), navy) << l->objectName().toStdString();
}

TEST_F(StartTest, NamePromptAsksAgainWhileTheNameIsEmpty) {
  auto program = Make();
  ASSERT_TRUE(program->Start());
  shell::TForm4* dialog = shell::Form4();
  ASSERT_NE(dialog, nullptr);
  auto answer = [dialog](const char* typed, int result) {
    return [dialog, typed, result](QDialog&) {
      EXPECT_TRUE(dialog->EditNombre->isVisibleTo(dialog));
      dialog->EditNombre->setText(typed);
      return result;
    };
  };
  platform.modalAnswers = {answer("   ", shell::kModalYes), answer("", shell::kModalYes),
                           answer("  Lucía Pérez ", shell::kModalYes)};
  EXPECT_TRUE(dialog->AskName("Nombre"));
  EXPECT_EQ(platform.calls.count("modal"), 3);
  EXPECT_EQ(core::G().StudentName, core::Utf8ToCp1252("Lucía Pérez"));

  // The next prompt starts from the last name; No abandons and keeps it.
  platform.modalAnswers = {[dialog](QDialog&) {
    EXPECT_EQ(dialog->EditNombre->text(), QString::fromUtf8("Lucía Pérez"));
    return shell::kModalCancel;
  }};
  EXPECT_FALSE(dialog->AskName("Nombre"));
  EXPECT_EQ(core::G().StudentName, core::Utf8ToCp1252("Lucía Pérez"));
  EXPECT_FALSE(dialog->EditNombre->isVisibleTo(dialog));  // back to the plain question

  platform.modalAnswers = {[](QDialog&) { return shell::kModalYes; }};
  EXPECT_EQ(dialog->Ask("¿Salir?"), shell::kModalYes);
  EXPECT_EQ(dialog->LabelNombre->text(), QString::fromUtf8("¿Salir?"));
}

TEST_F(StartTest, SpecialCoursesPanelListsBothGridsAndOpensACourse) {
  {
    std::ofstream out(exeDir + "trazora23_24/cas/cursespe", std::ios::binary | std::ios::trunc);
    out << "5\r\n 07Curso uno \r\nSegundo uno\r\nhttps://uno.example\r\n99Curso dos\r\nSegundo dos\r\nhttp://dos.example\r\n"
           "16Curso tres\r\nSegundo tres\r\n";
  }
  auto program = Make();
  ASSERT_TRUE(program->Start());
  shell::Tform0* menu = program->menu();
  menu->show();
  menu->LabelCurEspClick();
  shell::PanelEspe* panel = menu->PanelEspeG;
  ASSERT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->reja->RowCount(), 2);
  EXPECT_EQ(panel->reja2->RowCount(), 3);
  EXPECT_EQ(panel->reja->Cell(1, 0), ui::Q(core::Txt(175)) + "   -   " + ui::Q(core::Txt(47)));
  EXPECT_EQ(panel->reja2->Cell(1, 0), ui::Q(core::Txt(175)) + "   -   " + ui::Q(core::Txt(113)));
  EXPECT_EQ(panel->reja->Cell(0, 1), "Curso uno");
  EXPECT_EQ(panel->reja2->Cell(1, 2), "Segundo tres");

  panel->rejaMouseUp(panel->reja, 0, 1);  // the name column does nothing
  panel->rejaMouseUp(panel->reja, 1, 0);  // nor the header
  EXPECT_TRUE(platform.addresses.isEmpty());
  panel->rejaMouseUp(panel->reja, 1, 1);
  panel->rejaMouseUp(panel->reja2, 1, 1);
  EXPECT_EQ(platform.addresses, QStringList({"https://uno.example", "http://dos.example"}));
  panel->rejaMouseUp(panel->reja2, 1, 2);  // a row without an address opens nothing outside the data folder
  EXPECT_EQ(platform.addresses.size(), 2);

  panel->ButtonRetroEspeClick();
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartTest, SpecialCoursesWithoutTheirFileSayWhichFileIsMissing) {
  fs::remove(exeDir + "trazora23_24/cas/cursespe");
  auto program = Make();
  ASSERT_TRUE(program->Start());
  program->menu()->LabelCurEspClick();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("cas/cursespe"), std::string::npos);
  EXPECT_EQ(program->menu()->PanelEspeG->reja->RowCount(), 1);  // only the header
}

TEST_F(StartTest, StartsInEveryLanguageFromTheCompiledFolder) {
  std::set<QString> captions;
  for (const char* language : {"0", "1", "2", "3"}) {
    SCOPED_TRACE(language);
    core::ResetGlobals();
    auto program = Make({"N", language});
    ASSERT_TRUE(program->Start()) << ::testing::PrintToString(platform.messages);
    EXPECT_TRUE(platform.messages.empty());
    for (const shell::DoorSpec& door : shell::Doors())
      EXPECT_FALSE(program->menu()->DoorLabel(door.code)->text().isEmpty()) << door.component;
    QString all;
    for (const shell::DoorSpec& door : shell::Doors()) all += program->menu()->DoorLabel(door.code)->text();
    captions.insert(all);
    ui::Screens().Clear();
  }
  EXPECT_EQ(captions.size(), 4u);  // each language its own words
}

}  // namespace
