// trazora-shot OUT.png [VIEW] [LANGUAGE]: starts the program offscreen on the
// data folder beside build/bin, brings up one view through its handlers and
// saves a picture of the screen — for looking at the screens without a
// display. Views: menu (default), walk (the intro walk finished, with its
// bubble), config, cursos, maps (the three clickable maps side by side,
// twice their size). Under a display (or xvfb-run) set QT_QPA_PLATFORM=xcb.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "app/program.h"
#include "shell/principal.h"
#include "ui/images.h"
#include "ui/platform.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: trazora-shot OUT.png [menu|walk|config|cursos|maps] [LANGUAGE 0-3]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::string view = argc > 2 ? argv[2] : "menu";
  ui::ScriptedPlatform platform;
  ui::SetPlatform(&platform);
  app::StartOptions options;
  options.exeDir = QDir(QCoreApplication::applicationDirPath() + "/../bin").absolutePath().toStdString() + "/";
  options.pauses = false;
  if (argc > 3) options.args = {"N", argv[3]};
  app::Program program(options);
  if (!program.Start()) {
    for (const auto& m : platform.messages) std::fprintf(stderr, "%s\n", m.c_str());
    return 1;
  }
  shell::Tform0* menu = program.menu();
  menu->show();
  if (view == "walk" || view == "menu") {
    while (menu->piloto.isActive()) menu->pilotoTimer();
    if (view == "menu") menu->TimerTextoTimer();
  } else if (view == "config") {
    menu->LabelConfigClick();
  } else if (view == "cursos") {
    menu->LabelCurEspClick();
  }
  QWidget* shown = menu;
  QWidget maps;
  if (view == "maps") {
    // The maps as a student sees them, enlarged so their borders can be read.
    maps.setStyleSheet("background: white");
    int x = 10;
    for (const char* name : {"mapa", "mapac", "mapam"}) {
      const QImage& picture = ui::SharedImage(name);
      auto* label = new QLabel(&maps);
      label->setPixmap(QPixmap::fromImage(picture.scaled(picture.size() * 2)));
      label->setGeometry(x, 10, picture.width() * 2, picture.height() * 2);
      x += picture.width() * 2 + 10;
    }
    maps.resize(x, 2 * 220 + 20);
    maps.show();
    shown = &maps;
  }
  QApplication::processEvents();
  bool saved = shown->grab().save(argv[1], "PNG");
  ui::SetPlatform(nullptr);
  return saved ? 0 : 1;
}
