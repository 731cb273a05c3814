#include "ui/codec.h"

#include "core/text.h"

namespace ui {

QString Q(const std::string& cp1252) { return QString::fromStdString(core::Cp1252ToUtf8(cp1252)); }

std::string Cp(const QString& text) { return core::Utf8ToCp1252(text.toStdString()); }

}  // namespace ui
