// Program-wide settings and coordination flags. One instance, reached
// through G(); every screen reads and sets them as the program runs.
#pragma once

#include <string>

#include "settings.h"

namespace core {

struct Globals {
  // Folders and settings.
  std::string DataDir;   // with trailing '/'
  std::string LangDir;   // "cas/", "catVal/", "galego/", "euskera/" or empty
  int LanguageCode = 0;
  bool SortLists = false;
  std::string CentreName;
  bool AnimationOn = false;
  bool AnimationSetting = false;
  bool DisplayChanged = false;
  SettingsRecord Record{};   // the settings record exactly as read
  bool RecordRead = false;
  bool BinaryReadOnly = false;  // set when the settings file is not writable

  // Start-up abort flag.
  bool LoadFailed = false;

  // Navigation flags.
  bool CentreOnMain = true;
  bool WorldPresent = false;
  bool HigherSelection = false;   // selection flags of the vocational screens
  bool MiddleSelection = false;
  int HelpStep = 0;
  int MapRegion = 1;
  int MapCaptionWidth = 115;
  std::string StudentName;
  bool AssistantActive = false;
};

Globals& G();
// Back to a fresh program state (tests start every case from here).
void ResetGlobals();

// DataDir + name and DataDir + LangDir + name.
std::string CommonPath(const std::string& name);
std::string LangPath(const std::string& name);

}  // namespace core
