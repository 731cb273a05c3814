// Reading the human-edited sources: tab-separated tables with a header row
// of column names ('#' starts a comment line), UTF-8. Every value read is
// converted to Windows-1252 on the way, and every fault is logged with the
// source and line where it stands.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "compile.h"

namespace mkdata {

struct Row {
  int line = 0;                     // line of the source file
  std::vector<std::string> fields;  // UTF-8, in header order
};

class Source {
 public:
  // Nothing (and an error) when the file cannot be read or a row has the
  // wrong number of fields.
  static std::optional<Source> Read(const std::string& path, const std::string& shownName, Log& log);

  const std::string& name() const { return name_; }
  const std::vector<Row>& rows() const { return rows_; }
  bool Has(const std::string& column) const { return columns_.count(column) > 0; }

  // A column's value (UTF-8); an error when the column does not exist.
  std::string Utf8(const Row& row, const std::string& column, Log& log) const;
  // The value in Windows-1252; an error for a character the code page lacks.
  std::string Text(const Row& row, const std::string& column, Log& log) const;
  // The four columns column_cas, column_cat, column_gal, column_eus.
  std::array<std::string, 4> Texts(const Row& row, const std::string& column, Log& log) const;
  // An integer; empty gives fallback, anything else not a number is an error.
  int Int(const Row& row, const std::string& column, Log& log, int fallback = 0) const;
  // A list of values separated by spaces or commas (empty: none).
  std::vector<std::string> List(const Row& row, const std::string& column, Log& log) const;

  void Error(const Row& row, const std::string& text, Log& log) const { log.Error(name_, row.line, text); }

 private:
  std::string name_;
  std::map<std::string, std::size_t> columns_;
  std::vector<Row> rows_;
};

inline constexpr const char* kLangSuffix[4] = {"_cas", "_cat", "_gal", "_eus"};

// Symbols that tie sources together: a source defines the keys of its rows
// (a profession, a place, a statement...) and the compiler turns each key into
// the number the runtime files use (its line). An unknown key is an error at
// the line that uses it.
class Keys {
 public:
  void Define(const std::string& kind, const std::string& key, int number, const std::string& where, int line,
              Log& log);
  // The number of a key; 0 and an error when it is not defined.
  int Resolve(const std::string& kind, const std::string& key, const std::string& where, int line, Log& log) const;
  bool Known(const std::string& kind, const std::string& key) const;
  int Count(const std::string& kind) const;

 private:
  std::map<std::string, std::map<std::string, int>> numbers_;
};

// A runtime file in preparation: lines in Windows-1252, written with CR LF.
struct OutFile {
  std::vector<std::string> lines;
  void Add(const std::string& line) { lines.push_back(line); }
  std::string Bytes() const;
};

// The same runtime file in the four languages.
struct LangFile {
  std::array<OutFile, 4> language;
  void Add(const std::array<std::string, 4>& texts) {
    for (std::size_t l = 0; l < 4; ++l) language[l].Add(texts[l]);
  }
  void AddAll(const std::string& same) { Add({same, same, same, same}); }
};

// Everything a part of the compiler needs.
struct Context {
  std::string srcDir, outDir;
  Log& log;
  Keys& keys;

  std::string SourcePath(const std::string& relative) const { return srcDir + "/" + relative; }
  // Reads a source under data/src; nothing (and an error) when it is missing.
  std::optional<Source> Read(const std::string& relative) const;
  bool WriteCommon(const std::string& name, const OutFile& file) const;
  bool WriteLang(const std::string& name, const LangFile& file) const;
  // A note when the text would be cut by the place that shows it.
  void Fit(const std::string& text, std::size_t width, const std::string& where, int line,
           const std::string& what) const;
};

// Left-aligned in exactly w characters (cut or padded with spaces).
std::string Field(const std::string& text, std::size_t w);
// A number right-aligned in w characters ("  7"), or cut to its last w digits.
std::string Number(int value, std::size_t w);
// "n;v1;...;vn" — the counted rows of the relation files.
std::string CountedRow(const std::vector<int>& values);
// "v1;...;vk" of a fixed number of fields (missing values are 0).
std::string FixedRow(const std::vector<int>& values, std::size_t fields);

}  // namespace mkdata
