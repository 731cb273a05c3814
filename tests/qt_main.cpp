// Test entry for the suites that need a QApplication (run offscreen).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <unistd.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    // Qt wants a private runtime folder; give it one rather than a warning.
    QString runtime = QDir::tempPath() + "/trazora-tests-runtime-" + QString::number(::getuid());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
