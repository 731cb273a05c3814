// el Trazora: the program entry.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>

#include "app/program.h"
#include "ui/platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("el Trazora");
  ui::QtPlatform platform;
  ui::SetPlatform(&platform);

  app::StartOptions options;
  options.exeDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/";
  QStringList args = QCoreApplication::arguments();
  if (args.size() > 1) options.args.first = args[1].toStdString();
  if (args.size() > 2) options.args.second = args[2].toStdString();
  int code = 0;
  {
    app::Program program(options);
    code = program.Run();
  }
  ui::SetPlatform(nullptr);
  return code == 1 ? 1 : 0;
}
