// What the core needs from the world outside it: message boxes, the Yes/No
// question and the screen's size. The user-interface layer installs the real
// implementation; without one, messages go to standard error.
#pragma once

#include <string>

namespace core {

struct ScreenInfo {
  int width = 1024;
  int height = 768;
  int depth = 32;  // colour planes x bits per pixel
};

class CoreServices {
 public:
  virtual ~CoreServices() = default;
  // Texts are Windows-1252 bytes.
  virtual void Message(const std::string& text) = 0;
  virtual bool Question(const std::string& text) = 0;
  virtual ScreenInfo Screen() = 0;
};

CoreServices& Services();
// Installs the services (nullptr restores the standard-error fallback).
void SetServices(CoreServices* services);

inline void ShowMessage(const std::string& text) { Services().Message(text); }

}  // namespace core
