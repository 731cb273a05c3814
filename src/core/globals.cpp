#include "globals.h"

namespace core {
namespace {
Globals gGlobals;
}

Globals& G() { return gGlobals; }
void ResetGlobals() { gGlobals = Globals{}; }

std::string CommonPath(const std::string& name) { return gGlobals.DataDir + name; }
std::string LangPath(const std::string& name) { return gGlobals.DataDir + gGlobals.LangDir + name; }

}  // namespace core
