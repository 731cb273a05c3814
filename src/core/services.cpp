#include "services.h"

#include <cstdio>

#include "text.h"

namespace core {
namespace {

class StderrServices final : public CoreServices {
 public:
  void Message(const std::string& text) override {
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(text).c_str());
  }
  bool Question(const std::string& text) override {
    Message(text);
    return false;
  }
  ScreenInfo Screen() override { return {}; }
};

StderrServices gFallback;
CoreServices* gServices = nullptr;

}  // namespace

CoreServices& Services() { return gServices ? *gServices : gFallback; }
void SetServices(CoreServices* services) { gServices = services; }

}  // namespace core
