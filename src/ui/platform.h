// Every call that blocks or leaves the process goes through Platform: message
// boxes, questions, the print and save dialogs, the browser, documents,
// sound, the beep, the screen and the single-instance lock. The Qt
// implementation shows real dialogs; ScriptedPlatform answers from a queue
// and records every call, so screens can be driven headless.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "core/services.h"

class QDialog;
class QPrinter;
class QWidget;
class QLockFile;

namespace ui {

class Platform : public core::CoreServices {
 public:
  // Yes/No question box with an empty title.
  bool Question(const std::string& text) override = 0;
  // Shows the system print dialog for the printer; false when cancelled.
  virtual bool PrintDialog(QPrinter& printer) = 0;
  // Save-file dialog: default extension, initial name; empty when cancelled.
  virtual QString SaveFileDialog(const QString& defaultExtension, const QString& initialName) = 0;
  // Only http and https addresses are handed to the browser.
  virtual bool OpenAddress(const QString& address) = 0;
  // Only documents inside the data folder are opened.
  virtual bool OpenDocument(const QString& path) = 0;
  virtual void PlaySound(const QString& path) = 0;
  virtual void Beep() = 0;
  // The single-instance lock; false when another running copy holds it.
  virtual bool AcquireSingleInstance(const QString& name) = 0;
  virtual void ReleaseSingleInstance() = 0;
  // Shows one of the program's own dialogs modally and returns its result.
  virtual int RunModal(QDialog& dialog) = 0;
};

Platform& P();
void SetPlatform(Platform* platform);

// Whether an address may go to the browser / a path may be opened as a document.
bool IsWebAddress(const QString& address);
bool IsInsideFolder(const QString& path, const QString& folder);

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  void Message(const std::string& text) override;
  bool Question(const std::string& text) override;
  core::ScreenInfo Screen() override;
  bool PrintDialog(QPrinter& printer) override;
  QString SaveFileDialog(const QString& defaultExtension, const QString& initialName) override;
  bool OpenAddress(const QString& address) override;
  bool OpenDocument(const QString& path) override;
  void PlaySound(const QString& path) override;
  void Beep() override;
  bool AcquireSingleInstance(const QString& name) override;
  void ReleaseSingleInstance() override;
  int RunModal(QDialog& dialog) override;

  // Folder of the lock file (default: the user's runtime or temporary folder).
  QString lockFolder;

 private:
  std::unique_ptr<QLockFile> lock_;
  QObject* sound_ = nullptr;
};

// Records every call; answers questions and dialogs from queues (an empty
// queue answers No / cancel).
class ScriptedPlatform : public Platform {
 public:
  void Message(const std::string& text) override { messages.push_back(text); calls.append("message"); }
  bool Question(const std::string& text) override;
  core::ScreenInfo Screen() override { return screen; }
  bool PrintDialog(QPrinter& printer) override;
  QString SaveFileDialog(const QString& defaultExtension, const QString& initialName) override;
  bool OpenAddress(const QString& address) override;
  bool OpenDocument(const QString& path) override;
  void PlaySound(const QString& path) override { sounds.append(path); calls.append("sound"); }
  void Beep() override { ++beeps; calls.append("beep"); }
  bool AcquireSingleInstance(const QString& name) override;
  void ReleaseSingleInstance() override { lockHeld = false; }
  // Each scripted answer may fill in the dialog before giving its result.
  int RunModal(QDialog& dialog) override;
  std::deque<std::function<int(QDialog&)>> modalAnswers;

  std::deque<bool> answers;          // questions
  std::deque<QString> printTo;       // print dialog: a PDF file name, or empty to cancel
  std::deque<QString> saveNames;     // save dialog answers
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  QStringList calls, addresses, documents, sounds;
  int beeps = 0;
  int printDialogs = 0;
  core::ScreenInfo screen{1280, 1024, 32};
  bool anotherCopyRunning = false;
  bool lockHeld = false;
};

}  // namespace ui
