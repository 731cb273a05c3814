// Start-up, the main menu's doors and the exit question, driven through the
// handlers with the scripted platform.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>

#include "app/program.h"
#include "core/globals.h"
#include "core/store.h"
#include "core/text.h"
#include "core/texttable.h"
#include "shell/bienvenida.h"
#include "shell/principal.h"
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

}  // namespace
