// Core initialisation: everything the screens need before the first one is
// created — settings, command line, interface texts, shared images, map
// rasters and the two information lists.
#pragma once

#include <string>

namespace core {

struct CommandLine {
  std::string first;   // "A", "S" or "N"
  std::string second;  // "0".."3"
};

// Loads the shared bitmaps; implemented by the user-interface layer.
class ImageLoader {
 public:
  virtual ~ImageLoader() = default;
  // Loads DataDir + name; false when the file is missing or unreadable.
  virtual bool LoadSharedImage(const std::string& name, const std::string& path) = 0;
};

inline constexpr const char* kUpdatedMessage = "Programa Trazora actualizado";

// exeDir: the executable's folder with its trailing '/'.
void InitCore(const std::string& exeDir, const CommandLine& args, ImageLoader& images);

// The command-line rules alone (used by InitCore).
void ApplyCommandLine(const CommandLine& args);

}  // namespace core
