#include "source.h"

#include <filesystem>
#include <fstream>

#include "core/text.h"

namespace fs = std::filesystem;

namespace mkdata {

std::optional<Source> Source::Read(const std::string& path, const std::string& shownName, Log& log) {
  Source source;
  source.name_ = shownName;
  bool header = true, ok = true;
  std::size_t width = 0;
  bool readable = ReadSourceRows(path, [&](int lineNo, std::vector<std::string> fields) {
    if (header) {
      for (std::size_t i = 0; i < fields.size(); ++i) source.columns_[fields[i]] = i;
      width = fields.size();
      header = false;
    } else if (fields.size() != width) {
      log.Error(shownName, lineNo,
                std::to_string(fields.size()) + " fields where the header has " + std::to_string(width));
      ok = false;
    } else {
      source.rows_.push_back({lineNo, std::move(fields)});
    }
  });
  if (!readable) {
    log.Error(shownName, 0, "cannot read the source");
    return std::nullopt;
  }
  if (header) {
    log.Error(shownName, 0, "no header row");
    return std::nullopt;
  }
  if (!ok) return std::nullopt;
  return source;
}

std::string Source::Utf8(const Row& row, const std::string& column, Log& log) const {
  auto it = columns_.find(column);
  if (it == columns_.end()) {
    log.Error(name_, row.line, "no column \"" + column + "\"");
    return {};
  }
  return row.fields[it->second];
}

std::string Source::Text(const Row& row, const std::string& column, Log& log) const {
  int bad = 0;
  std::string text = core::Utf8ToCp1252(Utf8(row, column, log), &bad);
  if (bad) log.Error(name_, row.line, "column " + column + " has a character outside Windows-1252");
  return text;
}

std::array<std::string, 4> Source::Texts(const Row& row, const std::string& column, Log& log) const {
  std::array<std::string, 4> texts;
  for (std::size_t l = 0; l < 4; ++l) texts[l] = Text(row, column + kLangSuffix[l], log);
  return texts;
}

int Source::Int(const Row& row, const std::string& column, Log& log, int fallback) const {
  std::string text = core::TrimBlanks(Utf8(row, column, log));
  if (text.empty()) return fallback;
  int value = 0;
  if (!core::ParseInt(text, value)) {
    log.Error(name_, row.line, "column " + column + " is not a number: \"" + text + "\"");
    return fallback;
  }
  return value;
}

std::vector<std::string> Source::List(const Row& row, const std::string& column, Log& log) const {
  std::vector<std::string> items;
  std::string current;
  for (char c : Utf8(row, column, log) + " ") {
    if (c == ' ' || c == ',') {
      if (!current.empty()) items.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  return items;
}

void Keys::Define(const std::string& kind, const std::string& key, int number, const std::string& where, int line,
                  Log& log) {
  auto& table = numbers_[kind];
  if (key.empty()) return;
  if (!table.emplace(key, number).second) log.Error(where, line, kind + " \"" + key + "\" is defined twice");
}

int Keys::Resolve(const std::string& kind, const std::string& key, const std::string& where, int line,
                  Log& log) const {
  auto table = numbers_.find(kind);
  if (table != numbers_.end()) {
    auto it = table->second.find(key);
    if (it != table->second.end()) return it->second;
  }
  log.Error(where, line, "unknown " + kind + " \"" + key + "\"");
  return 0;
}

bool Keys::Known(const std::string& kind, const std::string& key) const {
  auto table = numbers_.find(kind);
  return table != numbers_.end() && table->second.count(key) > 0;
}

int Keys::Count(const std::string& kind) const {
  auto table = numbers_.find(kind);
  return table == numbers_.end() ? 0 : static_cast<int>(table->second.size());
}

std::string OutFile::Bytes() const {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::optional<Source> Context::Read(const std::string& relative) const {
  return Source::Read(SourcePath(relative), relative, log);
}

bool Context::WriteCommon(const std::string& name, const OutFile& file) const {
  return WriteFile(outDir + "/" + name, file.Bytes(), log);
}

bool Context::WriteLang(const std::string& name, const LangFile& file) const {
  bool ok = true;
  for (std::size_t l = 0; l < 4; ++l) {
    fs::create_directories(fs::path(outDir) / kLangDirs[l]);
    ok = WriteFile(outDir + "/" + kLangDirs[l] + "/" + name, file.language[l].Bytes(), log) && ok;
  }
  return ok;
}

void Context::Fit(const std::string& text, std::size_t width, const std::string& where, int line,
                  const std::string& what) const {
  NoteIfWider(log, where, line, text, width, what);
}

std::string Field(const std::string& text, std::size_t w) {
  std::string f = text.substr(0, w);
  f.resize(w, ' ');
  return f;
}

std::string Number(int value, std::size_t w) {
  std::string digits = std::to_string(value);
  if (digits.size() > w) return digits.substr(digits.size() - w);
  return std::string(w - digits.size(), ' ') + digits;
}

std::string CountedRow(const std::vector<int>& values) {
  std::string row = std::to_string(values.size());
  for (int v : values) row += ";" + std::to_string(v);
  return row;
}

std::string FixedRow(const std::vector<int>& values, std::size_t fields) {
  std::string row;
  for (std::size_t i = 0; i < fields; ++i) {
    if (i) row += ";";
    row += std::to_string(i < values.size() ? values[i] : 0);
  }
  return row;
}

}  // namespace mkdata
