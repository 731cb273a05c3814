#include "ui/platform.h"

#include <QApplication>
#include <QAudioOutput>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "core/globals.h"
#include "ui/codec.h"

namespace ui {
namespace {
Platform* gPlatform = nullptr;
}

Platform& P() {
  static QtPlatform fallback;
  return gPlatform ? *gPlatform : fallback;
}

void SetPlatform(Platform* platform) {
  gPlatform = platform;
  core::SetServices(platform);
}

bool IsWebAddress(const QString& address) {
  QUrl url(address.trimmed(), QUrl::StrictMode);
  return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty();
}

bool IsInsideFolder(const QString& path, const QString& folder) {
  QString file = QFileInfo(path).canonicalFilePath();
  QString root = QFileInfo(folder).canonicalFilePath();
  return !file.isEmpty() && !root.isEmpty() && file.startsWith(root + '/') && QFileInfo(file).isFile();
}

// ---- Qt ----

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::Message(const std::string& text) {
  QMessageBox box(QMessageBox::Information, "el Trazora", Q(text), QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

bool QtPlatform::Question(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QString(), Q(text), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

core::ScreenInfo QtPlatform::Screen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->size().width(), screen->size().height(), screen->depth()};
}

bool QtPlatform::PrintDialog(QPrinter& printer) {
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

QString QtPlatform::SaveFileDialog(const QString& defaultExtension, const QString& initialName) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultExtension);
  dialog.selectFile(initialName);
  dialog.setNameFilter("*." + defaultExtension);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool QtPlatform::OpenAddress(const QString& address) {
  if (!IsWebAddress(address)) return false;
  return QDesktopServices::openUrl(QUrl(address.trimmed()));
}

bool QtPlatform::OpenDocument(const QString& path) {
  if (!IsInsideFolder(path, Q(core::G().DataDir))) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void QtPlatform::PlaySound(const QString& path) {
  if (!QFileInfo(path).isFile()) return;
  auto* player = new QMediaPlayer(qApp);
  auto* output = new QAudioOutput(player);
  player->setAudioOutput(output);
  player->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  QObject::connect(player, &QMediaPlayer::playbackStateChanged, player, [player](QMediaPlayer::PlaybackState s) {
    if (s == QMediaPlayer::StoppedState) player->deleteLater();
  });
  player->play();
}

int QtPlatform::RunModal(QDialog& dialog) { return dialog.exec(); }

void QtPlatform::Beep() { QApplication::beep(); }

bool QtPlatform::AcquireSingleInstance(const QString& name) {
  QString folder = lockFolder;
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  lock_ = std::make_unique<QLockFile>(folder + "/" + name + ".lock");
  // A lock left by a copy that crashed belongs to a dead process: QLockFile
  // reclaims it at once, so it never blocks the next start.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return true;
  lock_.reset();
  return false;
}

void QtPlatform::ReleaseSingleInstance() {
  if (lock_) lock_->unlock();
  lock_.reset();
}

// ---- scripted ----

bool ScriptedPlatform::Question(const std::string& text) {
  questions.push_back(text);
  calls.append("question");
  if (answers.empty()) return false;
  bool answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedPlatform::PrintDialog(QPrinter& printer) {
  ++printDialogs;
  calls.append("print-dialog");
  if (printTo.empty()) return false;
  QString file = printTo.front();
  printTo.pop_front();
  if (file.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  return true;
}

QString ScriptedPlatform::SaveFileDialog(const QString&, const QString&) {
  calls.append("save-dialog");
  if (saveNames.empty()) return {};
  QString name = saveNames.front();
  saveNames.pop_front();
  return name;
}

bool ScriptedPlatform::OpenAddress(const QString& address) {
  calls.append("open-address");
  if (!IsWebAddress(address)) return false;
  addresses.append(address);
  return true;
}

bool ScriptedPlatform::OpenDocument(const QString& path) {
  calls.append("open-document");
  if (!IsInsideFolder(path, Q(core::G().DataDir))) return false;
  documents.append(path);
  return true;
}

bool ScriptedPlatform::AcquireSingleInstance(const QString&) {
  calls.append("lock");
  if (anotherCopyRunning) return false;
  lockHeld = true;
  return true;
}

}  // namespace ui

namespace ui {
int ScriptedPlatform::RunModal(QDialog& dialog) {
  calls.append("modal");
  if (modalAnswers.empty()) return 2;
  auto answer = modalAnswers.front();
  modalAnswers.pop_front();
  return answer(dialog);
}
}  // namespace ui
