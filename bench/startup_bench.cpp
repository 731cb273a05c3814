// Time from process start to the main menu shown (without the splash's
// pauses) and the resident memory then. Run: build/bin/startup_bench
#include <QApplication>
#include <QDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/program.h"
#include "shell/principal.h"
#include "ui/platform.h"

namespace {

// Seconds since the process started, from /proc.
double SecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 0; i < 22 && stat >> field; ++i) {}
  double start = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
  std::ifstream uptime("/proc/uptime");
  double up = 0;
  uptime >> up;
  return up - start;
}

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  auto entered = std::chrono::steady_clock::now();
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  ui::ScriptedPlatform platform;
  ui::SetPlatform(&platform);
  app::StartOptions options;
  options.exeDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/";
  options.pauses = false;
  app::Program program(options);
  if (!program.Start()) {
    std::fprintf(stderr, "start failed\n");
    return 1;
  }
  program.mainScreen()->show();
  QApplication::processEvents();
  double fromMain = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - entered).count();
  std::printf("start to main menu shown: %.1f ms since main(), %.0f ms since process start (10 ms ticks)\n", fromMain,
              SecondsSinceProcessStart() * 1000.0);
  std::printf("resident memory with every screen created: %.1f MB\n", ResidentKiB() / 1024.0);
  ui::SetPlatform(nullptr);
  return 0;
}
