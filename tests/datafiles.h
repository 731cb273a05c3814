// What the data tests share: reading and editing the CR LF files of a data
// folder, and a private copy of the shipped folder to plant faults in.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/textfile.h"
#include "validator.h"

namespace testdata {

namespace fs = std::filesystem;

inline std::string Slurp(const fs::path& path) { return core::ReadBytes(path.string()).value_or(""); }

inline void Spit(const fs::path& path, const std::string& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The lines of a CR LF file (a last line without its end is kept).
inline std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

inline void EditLines(const fs::path& path, const std::function<void(std::vector<std::string>&)>& edit) {
  auto lines = SplitLines(Slurp(path));
  edit(lines);
  Spit(path, JoinLines(lines));
}

// Replaces line n (1-based), adding empty lines up to it if needed.
inline void ReplaceLine(const fs::path& path, int n, const std::string& text) {
  EditLines(path, [&](std::vector<std::string>& lines) {
    if (lines.size() < static_cast<std::size_t>(n)) lines.resize(static_cast<std::size_t>(n));
    lines[static_cast<std::size_t>(n - 1)] = text;
  });
}

inline int LineCount(const fs::path& path) { return static_cast<int>(SplitLines(Slurp(path)).size()); }

inline std::vector<std::string> Formatted(const std::vector<validate::Problem>& problems) {
  std::vector<std::string> out;
  for (const auto& p : problems) out.push_back(validate::Format(p));
  return out;
}

// Whether a reported file ("cas/fp", "datfpsphp") is one of the named files.
inline bool IsOneOf(const std::string& file, const std::vector<std::string>& names) {
  const std::string base = file.substr(file.find_last_of('/') + 1);
  for (const std::string& n : names)
    if (base == n) return true;
  return false;
}

// The problems the validator finds in the named files of a folder.
inline std::vector<validate::Problem> ProblemsIn(const fs::path& dir, const std::vector<std::string>& names) {
  std::vector<validate::Problem> ours;
  for (auto& p : validate::ValidateFolder(dir.string() + "/"))
    if (IsOneOf(p.file, names)) ours.push_back(p);
  return ours;
}

inline std::vector<std::string> ProblemsOf(const fs::path& dir, const std::vector<std::string>& names) {
  return Formatted(ProblemsIn(dir, names));
}

// A private copy of the shipped data folder (TRAZORA_TEST_DATA), removed at
// the end; Restore puts back the shipped files after a planted fault.
class FolderCopy {
 public:
  explicit FolderCopy(const std::string& tag)
      : dir_(fs::temp_directory_path() / ("trazora-" + tag + "-" + std::to_string(::getpid()))) {
    Restore();
  }
  ~FolderCopy() { fs::remove_all(dir_); }
  FolderCopy(const FolderCopy&) = delete;
  FolderCopy& operator=(const FolderCopy&) = delete;

  const fs::path& dir() const { return dir_; }
  void Restore() {
    fs::remove_all(dir_);
    fs::copy(TRAZORA_TEST_DATA, dir_, fs::copy_options::recursive);
  }

 private:
  fs::path dir_;
};

// A test on a private copy of the shipped folder that looks at the problems of
// one part's files (other parts check their own).
class PartFolder : public ::testing::Test {
 protected:
  PartFolder(const std::string& tag, std::vector<std::string> files) : copy_(tag), files_(std::move(files)) {}
  std::vector<validate::Problem> PartProblems() const { return ProblemsIn(dir, files_); }
  std::vector<std::string> Problems() const { return Formatted(PartProblems()); }
  // Back to the shipped files after a planted fault.
  void Restore() { copy_.Restore(); }

 private:
  FolderCopy copy_;

 protected:
  const fs::path dir = copy_.dir();

 private:
  std::vector<std::string> files_;
};

}  // namespace testdata
