#include "settings.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "globals.h"
#include "services.h"
#include "text.h"
#include "textfile.h"
#include "texttable.h"

namespace core {
namespace {

bool gWorldEngine = false;

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

// Writes the record to a sibling file and renames it over the old one, so a
// crash half-way leaves the previous settings intact.
bool WriteSettingsRecord(const std::string& path, const SettingsRecord& record) {
  std::string temp = path + ".nuevo";
  struct stat old {};
  mode_t mode = (::stat(path.c_str(), &old) == 0) ? (old.st_mode & 07777) : 0644;
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, record.data(), record.size()) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

std::string LangDirFor(int languageCode) {
  switch (languageCode) {
    case 0: return "cas/";
    case 1: return "catVal/";
    case 2: return "galego/";
    case 3: return "euskera/";
    default: return {};
  }
}

std::string LanguageCaption(int languageCode) {
  switch (languageCode) {
    case 0: return "Castellano";
    case 1: return Utf8ToCp1252("Català/Valencià");
    case 2: return "Galego";
    case 3: return "Euskera";
    default: return {};
  }
}

std::string StoredCentreName(const SettingsRecord& record) {
  std::size_t length = std::min<std::size_t>(record[kOffsetNameLength], kCentreNameMax);
  return std::string(reinterpret_cast<const char*>(record.data()) + kOffsetName, length);
}

void SetCentreName(SettingsRecord& record, const std::string& centreName) {
  std::size_t length = std::min(centreName.size(), kCentreNameMax);
  record[kOffsetNameLength] = static_cast<std::uint8_t>(length);
  for (std::size_t i = 0; i < kCentreNameMax; ++i)
    record[kOffsetName + i] = i < length ? static_cast<std::uint8_t>(centreName[i]) : 0;
}

SettingsRecord MakeSettingsRecord(const std::string& centreName, int languageCode, bool animation) {
  SettingsRecord record{};
  SetCentreName(record, centreName);
  record[kOffsetAnimation] = animation ? 1 : 0;
  record[kOffsetLanguage] = static_cast<std::uint8_t>(languageCode);
  return record;
}

bool ProbeWritable(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    // Saving writes a sibling and renames it, so the folder must be writable too.
    std::string folder = path.substr(0, path.find_last_of('/') + 1);
    if (folder.empty()) folder = ".";
    if (::access(folder.c_str(), W_OK) == 0) return true;
  }
  G().BinaryReadOnly = true;
  return false;
}

void ReadSettings(const std::string& path) {
  Globals& g = G();
  g.LoadFailed = false;
  auto bytes = ReadBytes(path);
  if (!bytes) {
    ShowMessage(Utf8ToCp1252(
        "El programa no funcionará correctamente. Faltan ficheros. Vuelva a instalarlo."));
    g.LoadFailed = true;
    return;
  }
  if (bytes->size() < kSettingsSize) {
    ShowMessage(BadFileMessage(path, 0, Utf8ToCp1252("el registro de configuración tiene ") +
                                            std::to_string(bytes->size()) + " bytes en lugar de 86"));
    g.LoadFailed = true;
    return;
  }
  SettingsRecord record{};
  for (std::size_t i = 0; i < kSettingsSize; ++i)
    record[i] = static_cast<std::uint8_t>((*bytes)[i]);
  if (record[kOffsetNameLength] > kCentreNameMax)
    ShowMessage(BadFileMessage(path, 0, "el nombre del centro ocupa " +
                                            std::to_string(record[kOffsetNameLength]) +
                                            Utf8ToCp1252(" caracteres (máximo 50); se usan los 50 primeros")));
  g.Record = record;
  g.RecordRead = true;
  g.AnimationOn = g.AnimationSetting = record[kOffsetAnimation] != 0;
  g.CentreName = TrimBlanks(StoredCentreName(record));
  g.LanguageCode = record[kOffsetLanguage];
  g.SortLists = record[kOffsetLanguage] > 0;
  g.LangDir = LangDirFor(g.LanguageCode);
}

bool SaveSettings(const std::string& path) {
  Globals& g = G();
  SettingsRecord record = g.Record;
  record[kOffsetLanguage] = static_cast<std::uint8_t>(g.LanguageCode);
  record[kOffsetAnimation] = g.AnimationSetting ? 1 : 0;
  if (!g.RecordRead || g.BinaryReadOnly || !WriteSettingsRecord(path, record)) {
    ShowMessage("Lo siento. No puedo grabar.");
    return false;
  }
  g.Record = record;
  return true;
}

void SetWorldEngineAvailable(bool available) { gWorldEngine = available; }

int DirectXVersion() {
  bool collections = FileExists(CommonPath(kWorldCollectionA)) && FileExists(CommonPath(kWorldCollectionB));
  return gWorldEngine && collections ? 9 : 0;
}

bool AskScreenMode(int mode) {
  ScreenInfo screen = Services().Screen();
  bool ask = mode == 0 ? (screen.height < 720 && screen.depth < 16)
                       : (screen.width != 1024 || screen.height != 720 || screen.depth < 16);
  if (!ask) return false;
  G().DisplayChanged = false;
  // The platform offers no display modes to switch to: a Yes changes nothing.
  Services().Question(Txt(253) + " " + Txt(254));
  return true;
}

void RestoreDisplay() { G().DisplayChanged = false; }

}  // namespace core
