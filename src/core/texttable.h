// The interface text table: line N of the language's "textos" file is
// interface text N, cut to the fixed width of the place that shows it.
#pragma once

#include <array>
#include <string>

namespace core {

inline constexpr int kTextEntries = 1101;  // entry 0 (the path) and lines 1..1100
inline constexpr int kTextSlotLength = 75;
inline constexpr int kFirstInterfaceText = 2;
inline constexpr int kLastInterfaceText = 749;

struct TextTable {
  std::array<std::string, kTextEntries> entries;
  int lines = 0;  // lines read from the file
};

// Width of interface string n; 0 for entries no screen uses.
int TextWidth(int n);

// Fills the table from the file. Checked: a missing file shows the fixed
// message and sets LoadFailed; a file over 1100 lines is reported at line 1101.
bool ReadTextTable(const std::string& path, TextTable& table);

// Fills every interface string from the table by the width table.
void CopyTextSlots(const TextTable& table);

// Interface string n (empty for unused or out-of-range numbers).
const std::string& Txt(int n);

// The table last read at start-up.
TextTable& Textos();
void ClearTexts();

}  // namespace core
