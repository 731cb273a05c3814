#include "app/program.h"

#include <QApplication>
#include <QThread>
#include <map>

#include "core/globals.h"
#include "core/settings.h"
#include "core/store.h"
#include "core/text.h"
#include "core/texttable.h"
#include "shell/aviso.h"
#include "shell/bienvenida.h"
#include "shell/principal.h"
#include "ui/codec.h"
#include "ui/hintwindow.h"
#include "ui/images.h"
#include "ui/platform.h"
#include "ui/screens.h"

namespace app {
namespace {

std::map<std::string, ScreenFactory>& Factories() {
  static std::map<std::string, ScreenFactory> factories;
  return factories;
}

CreationStep P(int value) { return {CreationStep::Progress, value, {}}; }
CreationStep W() { return {CreationStep::Pause, 0, {}}; }
CreationStep C(const char* name) { return {CreationStep::Create, 0, name}; }
CreationStep K() { return {CreationStep::Check, 0, {}}; }

}  // namespace

const std::vector<CreationStep>& CreationList() {
  static const std::vector<CreationStep> steps = {
      P(10), W(), C("TForm6"), C("TEstadisticas"), C("TFormEstGra"), C("TForm7"), K(),
      P(20), C("TForm1"), C("TForm8"), K(),
      P(30), C("TFormCon"), C("TForm2"), K(),
      P(40), C("TForm5"), P(50), C("TForm3"), P(60), C("TForm4"), P(70), C("TFIniPro"), K(),
      P(80), W(), C("TCertifica"), K(),
      P(90), C("Tprofe"), K(),
      P(100), C("TFormCat"), C("TFlomce"), K(),
      W()};
  return steps;
}

void RegisterScreenFactory(const std::string& name, ScreenFactory factory) {
  Factories()[name] = std::move(factory);
}

Program::Program(StartOptions options) : options_(std::move(options)) {}

Program::~Program() {
  if (locked_) ui::P().ReleaseSingleInstance();
  ui::Screens().Clear();
  screens_.clear();
  splash_.reset();
}

void Program::Pause() {
  if (options_.pauses) QThread::msleep(1000);
}

QWidget* Program::CreateScreen(const std::string& name) {
  QWidget* screen = nullptr;
  if (name == "TForm4") {
    form4_ = new shell::TForm4();
    screen = form4_;
  } else if (name == "Tform0") {
    menu_ = new shell::Tform0();
    screen = menu_;
  } else {
    auto it = Factories().find(name);
    if (it == Factories().end()) return nullptr;  // a section this program does not have
    screen = it->second();
  }
  screens_.emplace_back(screen);
  ui::Screens().Add(name, screen);
  created.push_back(name);
  return screen;
}

bool Program::Start() {
  core::Globals& g = core::G();
  ui::QtImageLoader images;
  // A. The core.
  core::InitCore(options_.exeDir, options_.args, images);
  core::OnFreeStore([] { ui::ReleaseSharedImages(); });
  // B.2 The user-interface layer: one fixed look, the speech-bubble hints.
  QApplication::setStyle("Fusion");
  ui::InstallHintWindow();
  // B.3 One copy at a time.
  if (!ui::P().AcquireSingleInstance(kInstanceName)) {
    ui::P().Message(core::Utf8ToCp1252("¡¡ El Trazora ya está funcionando !!\r Mira en la barra de tareas..."));
    return false;
  }
  locked_ = true;
  // B.4
  if (g.LoadFailed) return false;
  // B.5 The splash.
  splash_ = std::make_unique<shell::TBienvenida>();
  splash_->show();
  splash_->repaint();
  QApplication::processEvents();
  // B.6 The screens.
  main_ = CreateScreen("Tform0");
  if (menu_) {
    menu_->exitQuestion = [this] { return MenuExitQuestion(); };
    menu_->onShown = [this] {
      if (splash_) splash_->close();
    };
  }
  if (g.LoadFailed) return false;
  for (const CreationStep& step : CreationList()) {
    switch (step.kind) {
      case CreationStep::Progress: splash_->SetProgress(step.progress); break;
      case CreationStep::Pause: Pause(); break;
      case CreationStep::Create: CreateScreen(step.screen); break;
      case CreationStep::Check:
        if (g.LoadFailed) return false;
        break;
    }
  }
  return true;
}

int Program::Run() {
  if (!Start()) return 1;
  main_->show();
  int code = QApplication::exec();
  return code;
}

void Program::EndLoop() {
  loopEnded = true;
  QApplication::quit();
}

bool Program::MenuExitQuestion() {
  if (loopEnded) return true;
  if (!ui::P().Question(core::Txt(49))) return false;
  core::Globals& g = core::G();
  if (g.DisplayChanged) core::RestoreDisplay();
  g.LoadFailed = true;
  core::FreeStore();
  EndLoop();
  return true;
}

bool Program::SectionExitQuestion() {
  if (loopEnded) return true;
  if (!form4_) return true;
  if (form4_->Ask(ui::Q(core::Txt(49))) != shell::kModalYes) return false;
  if (menu_) menu_->show();
  core::Globals& g = core::G();
  if (g.DisplayChanged) core::RestoreDisplay();
  core::FreeStore();
  EndLoop();
  return true;
}

}  // namespace app
