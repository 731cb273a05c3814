// The validator's toolkit: reading a runtime file of the data folder as its
// readers will, and reporting each fault at its file and line. Each part of
// the data set has its own checks (checks.h) written with it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "validator.h"

namespace validate {

inline constexpr const char* kLanguages[] = {"cas/", "catVal/", "galego/", "euskera/"};

class Checker {
 public:
  explicit Checker(std::string dir) : dir_(std::move(dir)) {}

  const std::string& dir() const { return dir_; }
  void Report(const std::string& file, int line, const std::string& text) { problems_.push_back({file, line, text}); }
  std::vector<Problem> TakeProblems() { return std::move(problems_); }

  // The lines of a text file (CR LF ends and the code page checked). Nothing,
  // and a problem when required, if it is missing.
  std::optional<std::vector<std::string>> Lines(const std::string& file, bool required = true);
  // Raw bytes; nothing (and a problem when required) if missing.
  std::optional<std::string> Bytes(const std::string& file, bool required = true);

  // Length of a line as shown: trailing spaces do not count.
  static std::size_t ShownLength(const std::string& line);
  // A problem at line capacity + 1 when the file is longer than its table.
  void AtMostLines(const std::string& file, const std::vector<std::string>& lines, std::size_t capacity);
  // A problem for every line wider than the width its screen shows.
  void AtMostWidth(const std::string& file, const std::vector<std::string>& lines, std::size_t width,
                   std::size_t firstLine = 1);
  // An address handed to the browser (http or https) or a document inside
  // the data folder.
  void Address(const std::string& file, int line, const std::string& address);
  // A PNG or BMP picture, of the given size when width > 0.
  void Picture(const std::string& file, int width, int height);

  // Counted row "n;v1;...;vn": the values, or nothing (and a problem).
  std::optional<std::vector<int>> CountedRow(const std::string& file, int line, const std::string& text,
                                             std::size_t maxValues);
  // ';'-separated integers with at least n fields.
  std::optional<std::vector<int>> IntRow(const std::string& file, int line, const std::string& text,
                                         std::size_t fields);

 private:
  std::string dir_;
  std::vector<Problem> problems_;
};

}  // namespace validate
