#include "ui/screens.h"

namespace ui {

void ScreenRegistry::Add(const std::string& name, QWidget* widget, std::function<void(int)> prepare) {
  screens_[name] = ScreenEntry{widget, std::move(prepare)};
}

QWidget* ScreenRegistry::Find(const std::string& name) const {
  auto it = screens_.find(name);
  return it == screens_.end() ? nullptr : it->second.widget;
}

const ScreenEntry* ScreenRegistry::Entry(const std::string& name) const {
  auto it = screens_.find(name);
  return it == screens_.end() ? nullptr : &it->second;
}

ScreenRegistry& Screens() {
  static ScreenRegistry registry;
  return registry;
}

}  // namespace ui
