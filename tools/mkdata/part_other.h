// Shared by the compiler files of the other studies (part_other*.cpp).
#pragma once

#include <array>
#include <string>

#include "parts.h"

namespace mkdata::other {

inline constexpr const char* kLanguageNames[4] = {"Castilian", "Catalan", "Galician", "Basque"};

// The four texts of column_cas.._eus; an error for each language left empty,
// since a screen would show nothing in that language.
std::array<std::string, 4> Translated(const Source& source, const Row& row, const std::string& column, Log& log);

// True when every one of the four texts is empty (a blank line on purpose).
bool AllEmpty(const std::array<std::string, 4>& texts);

// Keys are short stable names: lowercase ASCII, digits and '-'.
bool IsKey(const std::string& key);

// artesplas, musica, danza, dramatico (part_other_arts.cpp).
bool CompileArtsStudies(const Context& c);

}  // namespace mkdata::other
