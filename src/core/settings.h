// Where the program finds its files and the three settings a school can
// change: centre name, interface language and the animated world.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace core {

inline constexpr std::size_t kSettingsSize = 86;
inline constexpr std::size_t kCentreNameMax = 50;
inline constexpr std::size_t kOffsetNameLength = 1;
inline constexpr std::size_t kOffsetName = 2;
inline constexpr std::size_t kOffsetAnimation = 52;
inline constexpr std::size_t kOffsetLanguage = 58;
inline constexpr const char* kSettingsFile = "clave24";
inline constexpr const char* kDataFolder = "trazora23_24/";
inline constexpr const char* kCourseYear = "2023/24";
inline constexpr const char* kWorldCollectionA = "segdxg1.DXG";
inline constexpr const char* kWorldCollectionB = "vector.DXG";

using SettingsRecord = std::array<std::uint8_t, kSettingsSize>;

// The language sub-folder of a language code, empty for any other value.
std::string LangDirFor(int languageCode);
// Caption of a language in every interface language (Windows-1252).
std::string LanguageCaption(int languageCode);

// Centre name as stored: length byte, then the characters.
std::string StoredCentreName(const SettingsRecord& record);
// Stores the name (at most 50 characters) and clears the rest of its field.
void SetCentreName(SettingsRecord& record, const std::string& centreName);
// A record for a school; every byte that is not ours stays zero.
SettingsRecord MakeSettingsRecord(const std::string& centreName, int languageCode, bool animation);

// Writes the record to a sibling file and renames it over the old one, so a
// crash half-way leaves the previous settings intact.
bool WriteSettingsRecord(const std::string& path, const SettingsRecord& record);

bool ProbeWritable(const std::string& path);
void ReadSettings(const std::string& path);
bool SaveSettings(const std::string& path);

// 9 when the animated world's engine and both of its image collections are
// present, else 0 (the platform has no other graphics version to report).
int DirectXVersion();
// Registered by the animated world when it is linked into the program.
void SetWorldEngineAvailable(bool available);

// Asks whether to switch the display for mode 0 (main menu) or 1 (animated
// world). This platform does not switch display modes, so the answer changes
// nothing and DisplayChanged stays false. Returns whether it asked.
bool AskScreenMode(int mode);
void RestoreDisplay();

}  // namespace core
