// String helpers shared by every data-file reader. All text inside the core is
// single-byte (Windows-1252) held in std::string: one character is one byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

using TArreglo = std::vector<std::string>;

// Splits on a one-character separator; n separators give n + 1 fields.
TArreglo SplitFields(std::string_view text, char separator);

// n - 1 copies of c, at most 80.
std::string MakeFill(int n, char c);

// First w characters of line + MakeFill(w, ' ').
std::string PadToWidth(std::string_view line, int w);

// Removes trailing space characters only (tabs stay).
std::string TrimRightSpaces(std::string_view text);

// Removes leading and trailing blanks and control characters (bytes <= 32).
std::string TrimBlanks(std::string_view text);

bool IsBlank(std::string_view text);

bool InList(std::string_view value, int n, const std::vector<std::string>& list);

// The first n characters of text (fewer when it is shorter).
std::string CutTo(std::string_view text, std::size_t n);

// Copy from 1-based column c with length n; empty when the line is shorter.
std::string Columns(std::string_view line, std::size_t c, std::size_t n);

// Integer value of a whole field, allowing surrounding blanks. False when the
// field is not a number or does not fit an int.
bool ParseInt(std::string_view field, int& value);

// Windows-1252 <-> UTF-8. Characters the code page cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8, int* unmappable = nullptr);
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace core
