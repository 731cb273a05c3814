// The data compiler: turns the human-edited sources of data/src (UTF-8, the
// four languages side by side) into the runtime files of the data folder
// (Windows-1252, CR LF) in their exact layouts. Plain C++, so the tests can
// compile a source tree of their own.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace mkdata {

inline constexpr const char* kLangDirs[4] = {"cas", "catVal", "galego", "euskera"};

// What went wrong, as "source:line: problem". Errors stop the build; notes
// (texts that the program would cut) are printed but do not.
struct Log {
  std::vector<std::string> errors, notes;
  void Error(const std::string& where, int line, const std::string& text);
  void Note(const std::string& where, int line, const std::string& text);
};

// The rows of a tab-separated source: every line that is neither empty nor a
// '#' comment, split on tabs, with its line number. False when it cannot be read.
bool ReadSourceRows(const std::string& path, const std::function<void(int line, std::vector<std::string> fields)>& row);

// A note when a text (trailing spaces aside) is wider than the place that shows it.
void NoteIfWider(Log& log, const std::string& where, int line, const std::string& text, std::size_t width,
                 const std::string& what);

// Rows "N<TAB>cas<TAB>cat<TAB>gal<TAB>eus" of one parallel-lines source: line N
// of the runtime file in each language, already in Windows-1252.
using ParallelLines = std::map<int, std::array<std::string, 4>>;
bool ReadParallelLines(const std::string& path, const std::string& shownName, ParallelLines& rows, Log& log);

// Every data/src/lines/<name>[.<part>].tsv becomes <lang>/<name> in each
// language; parts of one file are merged by line number. "textos" always has
// its 750 lines and its texts are checked against their widths.
bool CompileLineFiles(const std::string& srcDir, const std::string& outDir, Log& log);

// The whole data folder: the line files, then every part in order.
bool CompileAll(const std::string& srcDir, const std::string& outDir, Log& log);

// The demonstration settings record a fresh copy ships with (an existing
// settings file is left as it is).
bool WriteDemoSettings(const std::string& outDir, Log& log);

bool WriteFile(const std::string& path, const std::string& bytes, Log& log);

}  // namespace mkdata
