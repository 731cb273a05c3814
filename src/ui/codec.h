// The one pair of conversions between the core's Windows-1252 bytes and Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace ui {

QString Q(const std::string& cp1252);
// Characters the code page cannot hold become '?'.
std::string Cp(const QString& text);

}  // namespace ui
