// Checks of familias, fp, fp2, fpba, asignafp, asignagm, asignaba, datfpsphp
// and datfpmphp; the place files and place lists are in vocational_places.cpp.
#include "vocational.h"

#include <array>

#include "checks.h"
#include "core/text.h"
#include "core/textfile.h"

namespace validate {
namespace vocational {
namespace {

constexpr std::size_t kWidth = 60;
constexpr int kBlockLines = 26;
constexpr std::size_t kBlocks = 200;
constexpr int kFamilies = 26;
constexpr int kArtsItinerary = 12, kLastItinerary = 13;
constexpr int kFirstStatementLine = 12;  // the GM statements of cuesgm are numbered from this line

struct Level {
  const char* titles;
  const char* blocks;
  std::size_t capacity;
};
constexpr Level kGs{"fp", "asignafp", 200}, kGm{"fp2", "asignagm", 200}, kFpb{"fpba", "asignaba", 255};

// The language files of one name, or nothing when the Castilian one is missing.
std::vector<std::vector<std::string>> AllLanguages(Checker& c, const std::string& name) {
  std::vector<std::vector<std::string>> files;
  for (const char* lang : kLanguages) {
    auto lines = c.Lines(std::string(lang) + name);
    files.push_back(lines.value_or(std::vector<std::string>{}));
  }
  for (std::size_t l = 1; l < files.size(); ++l)
    if (files[l].size() != files[0].size())
      c.Report(std::string(kLanguages[l]) + name, 0,
               std::to_string(files[l].size()) + " lines where cas/" + name + " has " +
                   std::to_string(files[0].size()));
  return files;
}

char Column(const std::string& line, std::size_t column) { return column <= line.size() ? line[column - 1] : ' '; }

TitleLines CheckTitleFile(Checker& c, const Level& level) {
  TitleLines result;
  auto files = AllLanguages(c, level.titles);
  if (!core::FileExists(c.dir() + "cas/" + level.titles)) return result;
  result.present = true;
  for (const std::string& line : files[0]) result.header.push_back(Column(line, 1) == '-');
  for (std::size_t l = 0; l < files.size(); ++l) {
    const std::string file = std::string(kLanguages[l]) + level.titles;
    const auto& lines = files[l];
    c.AtMostLines(file, lines, level.capacity);
    c.AtMostWidth(file, lines, kWidth);
    for (std::size_t n = 1; n <= lines.size(); ++n) {
      const std::string& line = lines[n - 1];
      const bool header = Column(line, 1) == '-';
      if (n == 1 && !header) c.Report(file, 1, "the first line must be a family header (\"-\" and the family)");
      if (Checker::ShownLength(line) <= (header ? 1u : 0u)) c.Report(file, static_cast<int>(n), "empty name");
      if (l > 0 && n <= result.header.size()) {
        const std::string& cas = files[0][n - 1];
        if (header != result.header[n - 1] || (header && (Column(line, 2) == '|') != (Column(cas, 2) == '|')) ||
            (header && (Column(line, 2) == '!') != (Column(cas, 2) == '!')))
          c.Report(file, static_cast<int>(n), "not the same kind of line (header, mark, title) as in cas");
      }
    }
  }
  if (!result.header.empty() && result.Headers() == static_cast<int>(result.header.size()))
    c.Report(std::string("cas/") + level.titles, 0, "no titles, only family headers");
  return result;
}

// One block of 26 lines per line of the title file; lines cut to 60 on display.
void CheckBlocks(Checker& c, const Level& level, const TitleLines& titles) {
  auto files = AllLanguages(c, level.blocks);
  for (std::size_t l = 0; l < files.size(); ++l) {
    const std::string file = std::string(kLanguages[l]) + level.blocks;
    const auto& lines = files[l];
    c.AtMostLines(file, lines, kBlocks * kBlockLines);
    c.AtMostWidth(file, lines, kWidth);
    if (titles.present && lines.size() != titles.header.size() * kBlockLines)
      c.Report(file, 0,
               std::to_string(lines.size()) + " lines; " + std::to_string(titles.header.size()) + " lines of " +
                   level.titles + " need " + std::to_string(titles.header.size() * kBlockLines));
  }
}

// "031901Name": three two-digit family-index references and the group name.
void CheckGroupLine(Checker& c, const std::string& file, int n, const std::string& line,
                    const std::vector<const TitleLines*>& titles, const std::vector<const char*>& names) {
  bool zeroSeen = false;
  for (int i = 0; i < 3; ++i) {
    const std::string two = core::Columns(line, static_cast<std::size_t>(1 + 2 * i), 2);
    int ref = 0;
    if (two.size() != 2 || two[0] < '0' || two[0] > '9' || two[1] < '0' || two[1] > '9' || !core::ParseInt(two, ref)) {
      c.Report(file, n, "columns 1-6 must be three two-digit family references");
      return;
    }
    if (ref == 0) {
      zeroSeen = true;
      continue;
    }
    if (zeroSeen) c.Report(file, n, "a family reference after a 00 (the non-zero references come first)");
    for (std::size_t k = 0; k < titles.size(); ++k)
      if (titles[k]->present && ref > titles[k]->Headers())
        c.Report(file, n, "family reference " + std::to_string(ref) + " but " + names[k] + " has " +
                              std::to_string(titles[k]->Headers()) + " family headers");
  }
  if (core::TrimBlanks(core::Columns(line, 7, kWidth)).empty()) c.Report(file, n, "a group without a name");
}

void CheckFamilias(Checker& c, const TitleLines& gs, const TitleLines& gm, const TitleLines& fpb) {
  auto files = AllLanguages(c, "familias");
  for (std::size_t l = 0; l < files.size(); ++l) {
    const std::string file = std::string(kLanguages[l]) + "familias";
    const auto& lines = files[l];
    if (lines.empty()) continue;
    c.AtMostWidth(file, lines, kWidth);
    auto line = [&](int n) { return n <= static_cast<int>(lines.size()) ? lines[n - 1] : std::string(); };
    for (int f = 1; f <= kFamilies; ++f) {
      const char code = f <= 9 ? static_cast<char>('0' + f) : static_cast<char>('A' + f - 10);
      if (Column(line(f), 1) != code)
        c.Report(file, f, std::string("family ") + std::to_string(f) + " must start with its code " + code);
      else if (core::TrimBlanks(core::Columns(line(f), 2, kWidth)).empty())
        c.Report(file, f, "a family without a name");
    }
    if (!core::TrimBlanks(line(kFamilies + 1)).empty())
      c.Report(file, kFamilies + 1, "must stay empty: the statistics screen reads the families up to it");
    for (int n = 30; n <= 38; ++n) CheckGroupLine(c, file, n, line(n), {&gs, &gm}, {"fp", "fp2"});
    for (int n = 40; n <= 48; ++n) CheckGroupLine(c, file, n, line(n), {&fpb}, {"fpba"});
    auto castilian = [&](int n) { return n <= static_cast<int>(files[0].size()) ? files[0][n - 1] : std::string(); };
    for (int n = 30; n <= 48; ++n)
      if (l > 0 && n != 39 && core::Columns(line(n), 1, 6) != core::Columns(castilian(n), 1, 6))
        c.Report(file, n, "family references differ from cas/familias");
  }
}

// A field that holds 0 or a line number of another file (count < 0: that file is missing).
void LineReference(Checker& c, const std::string& file, int n, int value, int count, const std::string& what) {
  if (value < 0 || (count >= 0 && value > count))
    c.Report(file, n, what + " " + std::to_string(value) + " is not 0 or a line of its file (1-" +
                          std::to_string(count) + ")");
}

void FamilyField(Checker& c, const std::string& file, int n, int value, const TitleLines& titles) {
  if (!titles.IsTitle(n) && value != 0) c.Report(file, n, "a family header's row has family 0");
  if (titles.IsTitle(n) && (value < 1 || value > kFamilies))
    c.Report(file, n, "family " + std::to_string(value) + " is not 1-26");
}

void CheckGsRelations(Checker& c, const TitleLines& gs) {
  const std::string file = "datfpsphp";
  auto lines = c.Lines(file);
  if (!lines) return;
  if (gs.present && lines->size() != gs.header.size())
    c.Report(file, 0, std::to_string(lines->size()) + " rows for the " + std::to_string(gs.header.size()) +
                          " lines of fp");
  const int requirements = LineCount(c, "cas/reqfp"), professions = LineCount(c, "cas/profesio");
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    auto row = c.IntRow(file, n, (*lines)[i], 24);
    if (!row) continue;
    for (int k = 0; k < 4; ++k) {
      const int it = (*row)[k];
      if (it < 0 || it > kLastItinerary || it == kArtsItinerary)
        c.Report(file, n, "itinerary " + std::to_string(it) + " is not 0-11 or 13");
    }
    for (int k = 4; k < 17; ++k) LineReference(c, file, n, (*row)[k], requirements, "requirement");
    for (int k = 17; k < 23; ++k) LineReference(c, file, n, (*row)[k], professions, "profession");
    FamilyField(c, file, n, (*row)[23], gs);
  }
}

void CheckGmRelations(Checker& c, const TitleLines& gm) {
  const std::string file = "datfpmphp";
  auto lines = c.Lines(file);
  if (!lines) return;
  if (gm.present && lines->size() != gm.header.size())
    c.Report(file, 0, std::to_string(lines->size()) + " rows for the " + std::to_string(gm.header.size()) +
                          " lines of fp2");
  const int professions = LineCount(c, "cas/profesio"), cuesgm = LineCount(c, "cas/cuesgm");
  const int statements = cuesgm < 0 ? -1 : std::max(0, cuesgm - (kFirstStatementLine - 1));
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    auto row = c.IntRow(file, n, (*lines)[i], 7);
    if (!row) continue;
    for (int k = 0; k < 3; ++k) LineReference(c, file, n, (*row)[k], professions, "profession");
    FamilyField(c, file, n, (*row)[3], gm);
    for (int k = 4; k < 7; ++k) LineReference(c, file, n, (*row)[k], statements, "statement");
  }
}

}  // namespace

int TitleLines::Headers() const {
  int count = 0;
  for (bool h : header) count += h ? 1 : 0;
  return count;
}

int LineCount(Checker& c, const std::string& file) {
  auto lines = core::ReadLines(c.dir() + file);
  return lines ? static_cast<int>(lines->size()) : -1;
}

}  // namespace vocational

void CheckVocational(Checker& c) {
  using namespace vocational;
  const TitleLines gs = CheckTitleFile(c, kGs), gm = CheckTitleFile(c, kGm), fpb = CheckTitleFile(c, kFpb);
  CheckBlocks(c, kGs, gs);
  CheckBlocks(c, kGm, gm);
  CheckBlocks(c, kFpb, fpb);
  CheckFamilias(c, gs, gm, fpb);
  CheckGsRelations(c, gs);
  CheckGmRelations(c, gm);
  CheckPlaces(c, gs, gm, fpb);
}

}  // namespace validate
