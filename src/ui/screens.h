// The screen registry: one instance of each screen, reachable by its class
// name. A screen that opens another asks for it here; a section that is not
// part of the program (yet) is simply absent.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>

namespace ui {

struct ScreenEntry {
  QWidget* widget = nullptr;
  // Called before the screen is shown from the main menu, with the door's code.
  std::function<void(int code)> prepareFromMenu;
};

class ScreenRegistry {
 public:
  void Add(const std::string& name, QWidget* widget, std::function<void(int)> prepare = {});
  QWidget* Find(const std::string& name) const;
  const ScreenEntry* Entry(const std::string& name) const;
  void Clear() { screens_.clear(); }

 private:
  std::map<std::string, ScreenEntry> screens_;
};

ScreenRegistry& Screens();

}  // namespace ui
