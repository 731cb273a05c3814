#include "compile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/settings.h"
#include "core/text.h"
#include "core/texttable.h"
#include "parts.h"

namespace fs = std::filesystem;

namespace mkdata {

namespace {

constexpr int kTextLines = 750;
constexpr std::size_t kShownListWidth = 60;  // the information lists are shown 60 characters wide

// The runtime name of a source: "textos.part2.tsv" -> "textos".
std::string RuntimeName(const fs::path& source) {
  std::string stem = source.filename().string();
  return stem.substr(0, stem.find('.'));
}

std::string Join(const ParallelLines& rows, int language, int lines) {
  std::string file;
  for (int n = 1; n <= lines; ++n) {
    auto it = rows.find(n);
    if (it != rows.end()) file += it->second[static_cast<std::size_t>(language)];
    file += "\r\n";
  }
  return file;
}

void CheckWidths(const std::string& name, const std::string& source, int n, const std::array<std::string, 4>& texts,
                 Log& log) {
  std::size_t width = 0;
  if (name == "textos") width = static_cast<std::size_t>(core::TextWidth(n));
  else if (name == "informa_l" || name == "materias_l") width = kShownListWidth;
  if (width == 0) return;
  for (std::size_t l = 0; l < 4; ++l)
    NoteIfWider(log, source, n, texts[l], width, std::string(kLangDirs[l]) + " text of line " + std::to_string(n));
}

}  // namespace

void Log::Error(const std::string& where, int line, const std::string& text) {
  errors.push_back(where + ":" + std::to_string(line) + ": " + text);
}
void Log::Note(const std::string& where, int line, const std::string& text) {
  notes.push_back(where + ":" + std::to_string(line) + ": " + text);
}

bool WriteFile(const std::string& path, const std::string& bytes, Log& log) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (!out) log.Error(path, 0, "cannot write");
  return static_cast<bool>(out);
}

bool ReadSourceRows(const std::string& path,
                    const std::function<void(int line, std::vector<std::string> fields)>& row) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  for (int lineNo = 1; std::getline(in, line); ++lineNo) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    row(lineNo, core::SplitFields(line, '\t'));
  }
  return true;
}

void NoteIfWider(Log& log, const std::string& where, int line, const std::string& text, std::size_t width,
                 const std::string& what) {
  std::size_t shown = core::TrimRightSpaces(text).size();
  if (shown > width)
    log.Note(where, line, what + " has " + std::to_string(shown) + " characters; " + std::to_string(width) +
                              " are shown");
}

bool ReadParallelLines(const std::string& path, const std::string& shownName, ParallelLines& rows, Log& log) {
  bool ok = true;
  bool readable = ReadSourceRows(path, [&](int lineNo, std::vector<std::string> f) {
    int n = 0;
    if (f.size() != 5 || !core::ParseInt(f[0], n) || n < 1 || n > 1100) {
      log.Error(shownName, lineNo, "expected a line number 1..1100 and four texts separated by tabs");
      ok = false;
      return;
    }
    if (rows.count(n)) {
      log.Error(shownName, lineNo, "line " + std::to_string(n) + " is given twice");
      ok = false;
    }
    std::array<std::string, 4>& texts = rows[n];
    for (std::size_t l = 0; l < 4; ++l) {
      int bad = 0;
      texts[l] = core::Utf8ToCp1252(f[l + 1], &bad);
      if (bad) {
        log.Error(shownName, lineNo, std::string(kLangDirs[l]) + " text has a character outside Windows-1252");
        ok = false;
      }
    }
  });
  if (!readable) log.Error(shownName, 0, "cannot read");
  return readable && ok;
}

bool CompileLineFiles(const std::string& srcDir, const std::string& outDir, Log& log) {
  std::map<std::string, std::vector<fs::path>> sources;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(fs::path(srcDir) / "lines", ec))
    if (entry.is_regular_file() && entry.path().extension() == ".tsv")
      sources[RuntimeName(entry.path())].push_back(entry.path());
  if (ec) {
    log.Error(srcDir + "/lines", 0, "cannot list the folder");
    return false;
  }
  bool ok = true;
  for (auto& [name, parts] : sources) {
    std::sort(parts.begin(), parts.end());
    ParallelLines rows;
    for (const fs::path& part : parts) {
      std::string shown = "lines/" + part.filename().string();
      ParallelLines partRows;
      ok = ReadParallelLines(part.string(), shown, partRows, log) && ok;
      for (auto& [n, texts] : partRows) {
        if (rows.count(n)) {
          log.Error(shown, 0, "line " + std::to_string(n) + " of " + name + " is also in another part");
          ok = false;
        }
        CheckWidths(name, shown, n, texts, log);
        rows[n] = texts;
      }
    }
    int lines = rows.empty() ? 0 : rows.rbegin()->first;
    if (name == "textos") lines = std::max(lines, kTextLines);
    for (int l = 0; l < 4; ++l) {
      fs::create_directories(fs::path(outDir) / kLangDirs[l]);
      ok = WriteFile((fs::path(outDir) / kLangDirs[l] / name).string(), Join(rows, l, lines), log) && ok;
    }
  }
  return ok;
}

bool CompileAll(const std::string& srcDir, const std::string& outDir, Log& log) {
  Keys keys;
  Context context{srcDir, outDir, log, keys};
  bool ok = CompileLineFiles(srcDir, outDir, log);
  for (auto part : {CompileProfessions, CompileQuestionnaires, CompileFamilies, CompileVocational,
                    CompileUniversities, CompileOtherStudies})
    ok = part(context) && ok;
  return ok && log.errors.empty();
}

bool WriteDemoSettings(const std::string& outDir, Log& log) {
  // A school's own settings survive a rebuild.
  if (fs::exists(outDir + "/" + core::kSettingsFile)) return true;
  core::SettingsRecord record = core::MakeSettingsRecord(core::Utf8ToCp1252("Centro de demostración"), 0, false);
  return WriteFile(outDir + "/" + core::kSettingsFile, std::string(record.begin(), record.end()), log);
}

}  // namespace mkdata
