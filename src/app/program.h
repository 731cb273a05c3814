// The program: core initialisation, the single-instance rule, the splash,
// the creation of every screen in its fixed order, and the ways out.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/startup.h"

class QWidget;

namespace shell {
class Tform0;
class TBienvenida;
class TForm4;
}  // namespace shell

namespace app {

inline constexpr const char* kInstanceName = "TrazoraWindows22_23.exe";

struct StartOptions {
  std::string exeDir;          // with trailing '/'
  core::CommandLine args;
  bool pauses = true;          // the splash's one-second pauses
};

// One step of the creation list: a progress value to show, an optional
// pause, a screen to create, or a check that ends the start when LoadFailed.
struct CreationStep {
  enum Kind { Progress, Pause, Create, Check } kind;
  int progress = 0;
  std::string screen;
};

// The creation list, in order. Screens that are not built into this program
// are skipped when it is run.
const std::vector<CreationStep>& CreationList();

// A factory for a section screen; sections register theirs as they are added.
using ScreenFactory = std::function<QWidget*()>;
void RegisterScreenFactory(const std::string& name, ScreenFactory factory);

class Program {
 public:
  explicit Program(StartOptions options);
  ~Program();

  // Runs the start to the point where the event loop would begin. False when
  // the program ends instead (a second copy, a missing file, ...).
  bool Start();
  // Start() and then the event loop; returns the exit code.
  int Run();

  shell::Tform0* menu() const { return menu_; }
  shell::TBienvenida* splash() const { return splash_.get(); }
  QWidget* mainScreen() const { return main_; }
  std::vector<std::string> created;  // screens in creation order
  bool loopEnded = false;

  // Exit paths: the main menu's question and the section screens' dialog.
  bool MenuExitQuestion();
  bool SectionExitQuestion();

 private:
  void Pause();
  QWidget* CreateScreen(const std::string& name);
  void EndLoop();

  StartOptions options_;
  std::unique_ptr<shell::TBienvenida> splash_;
  std::vector<std::unique_ptr<QWidget>> screens_;
  shell::Tform0* menu_ = nullptr;
  shell::TForm4* form4_ = nullptr;
  QWidget* main_ = nullptr;
  bool locked_ = false;
};

}  // namespace app
