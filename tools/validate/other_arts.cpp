// Checks of the four arts files: the description, "f1", the specialities,
// "f2" and the places, each file with the columns its screen reads. The
// screen keeps only the first 60 characters of every line.
#include <algorithm>
#include <functional>
#include <optional>

#include "checks.h"
#include "core/text.h"

namespace validate {
namespace {

constexpr std::size_t kArtsWidth = 60;
constexpr std::size_t kArtsLines = 1100;        // the shared list the files are read into
constexpr std::size_t kPlasticSpecialities = 17;
constexpr int kDramaSpecialities = 7;
constexpr int kRegions = 19;

using Lines = std::vector<std::string>;

struct Sections {
  std::size_t f1 = 0, f2 = 0;  // 1-based lines of the markers, 0 when missing
};

bool IsMarker(const std::string& line, const char* marker) { return line.rfind(marker, 0) == 0; }

// Columns c.. (1-based) of a line, as many as there are.
std::string Cols(const std::string& line, std::size_t c, std::size_t n) { return core::Columns(line, c, n); }

bool Blank(const std::string& text) { return core::TrimBlanks(text).empty(); }

// The number in columns 1-2, or nothing.
std::optional<int> LeadingNumber(const std::string& line) {
  int value = 0;
  const std::string head = Cols(line, 1, 2);
  if (head.size() < 2 || !core::ParseInt(head, value)) return std::nullopt;
  return value;
}

bool IsPhone(const std::string& field) {
  const std::string t = core::TrimBlanks(field);
  return t.empty() || (t.size() == 9 && t.find_first_not_of("0123456789") == std::string::npos);
}

Sections FindSections(Checker& c, const std::string& file, const Lines& lines) {
  Sections s;
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    for (const char* marker : {"f1", "f2"}) {
      if (!IsMarker(lines[n - 1], marker)) continue;
      std::size_t& at = marker[1] == '1' ? s.f1 : s.f2;
      if (at) c.Report(file, static_cast<int>(n), std::string("a second \"") + marker + "\" line");
      else at = n;
    }
  }
  if (!s.f1) c.Report(file, 0, "no \"f1\" line: the whole file would be shown as its description");
  if (!s.f2) c.Report(file, 0, "no \"f2\" line: the file has no places");
  if (s.f1 && s.f2 && s.f2 < s.f1) c.Report(file, static_cast<int>(s.f2), "\"f2\" comes before \"f1\"");
  if (s.f1 == 1) c.Report(file, 1, "the description is empty");
  return s;
}

bool Usable(const Sections& s) { return s.f1 && s.f2 && s.f1 < s.f2; }

// Music, dance and drama show the lines between the markers as they are.
void SpecialitiesWritten(Checker& c, const std::string& file, const Lines& lines, const Sections& s) {
  for (std::size_t n = s.f1 + 1; n < s.f2; ++n)
    if (!Blank(lines[n - 1])) return;
  c.Report(file, static_cast<int>(s.f2), "no specialities between \"f1\" and \"f2\"");
}

// artesplas: 17 specialities, "f2", a caption, then pairs of a centre line
// (region 1-2, name 3-24, telephone 25-33, codes 35-44) and its address.
void CheckPlastic(Checker& c, const std::string& file, const Lines& lines, const Sections& s) {
  if (s.f2 != s.f1 + kPlasticSpecialities + 1) {
    c.Report(file, static_cast<int>(s.f2), std::to_string(s.f2 - s.f1 - 1) +
                                               " lines between \"f1\" and \"f2\"; the screen reads 17 specialities");
    return;
  }
  for (std::size_t n = s.f1 + 1; n < s.f2; ++n)
    if (Blank(Cols(lines[n - 1], 3, kArtsWidth))) c.Report(file, static_cast<int>(n), "a speciality without a name");
  if (s.f2 + 1 <= lines.size() && LeadingNumber(lines[s.f2]))
    c.Report(file, static_cast<int>(s.f2) + 1, "the caption after \"f2\" starts with a number, like a centre line");
  int centres = 0, previousRegion = 0;
  std::vector<bool> seen(kRegions + 1, false);
  for (std::size_t n = s.f2 + 2; n <= lines.size(); n += 2) {
    const std::string& line = lines[n - 1];
    const int at = static_cast<int>(n);
    auto region = LeadingNumber(line);
    if (!region || *region < 1 || *region > kRegions) {
      c.Report(file, at, "a centre line starts with its region number 01 to 19");
      continue;
    }
    ++centres;
    if (*region != previousRegion && seen[static_cast<std::size_t>(*region)])
      c.Report(file, at, "region " + std::to_string(*region) +
                             " again after other regions: its centres must stand together");
    seen[static_cast<std::size_t>(*region)] = true;
    previousRegion = *region;
    if (Blank(Cols(line, 3, 22))) c.Report(file, at, "a centre without a name in columns 3-24");
    if (!IsPhone(Cols(line, 25, 9))) c.Report(file, at, "the telephone in columns 25-33 is not 9 digits");
    int codes = 0;
    bool ended = false;
    for (std::size_t col = 35; col <= 43; col += 2) {
      const std::string pair = Cols(line, col, 2);
      int code = 0;
      if (Blank(pair)) {
        ended = true;
        continue;
      }
      if (ended || pair.size() < 2 || !core::ParseInt(pair, code) || code < 0 ||
          code >= static_cast<int>(kPlasticSpecialities)) {
        c.Report(file, at, "speciality code \"" + pair + "\" in column " + std::to_string(col) +
                               ": codes are 00 to 16, written one after another");
        break;
      }
      ++codes;
    }
    if (codes == 0) c.Report(file, at, "a centre without specialities never appears in the lists by speciality");
    if (n + 1 > lines.size()) c.Report(file, at, "the last centre has no address line");
    else if (Blank(lines[n]) || LeadingNumber(lines[n]))
      c.Report(file, at + 1, "the line after a centre is its address (not blank, not starting with a number)");
  }
  if (centres == 0) c.Report(file, 0, "no centre after \"f2\"");
}

// musica: after "f2", region headings (number in columns 1-2) and centre
// lines with the name from column 3 and the web address where "http" starts.
void CheckMusic(Checker& c, const std::string& file, const Lines& lines, const Sections& s) {
  SpecialitiesWritten(c, file, lines, s);
  bool inRegion = false;
  int centres = 0;
  for (std::size_t n = s.f2 + 1; n <= lines.size(); ++n) {
    const std::string& line = lines[n - 1];
    const int at = static_cast<int>(n);
    if (Blank(line)) continue;
    if (auto region = LeadingNumber(line)) {
      if (*region < 1 || *region > kRegions) c.Report(file, at, "region " + std::to_string(*region) + " (1 to 19)");
      inRegion = true;
      continue;
    }
    const std::size_t http = line.find("http");
    if (http == std::string::npos) {
      c.Report(file, at, "neither a region heading nor a centre with its web address: never shown");
      continue;
    }
    if (http + 1 <= 3) {
      c.Report(file, at, "the address starts in column " + std::to_string(http + 1) +
                             "; a centre's name comes first, from column 3");
      continue;
    }
    if (!inRegion) c.Report(file, at, "a centre before the first region heading");
    if (Blank(Cols(line, 3, http - 2))) c.Report(file, at, "a centre without a name before its address");
    c.Address(file, at, core::TrimRightSpaces(line.substr(http)));
    ++centres;
  }
  if (centres == 0) c.Report(file, 0, "no centre after \"f2\"");
}

// danza: the places are shown as written; a line that starts with "http"
// opens in the browser.
void CheckDance(Checker& c, const std::string& file, const Lines& lines, const Sections& s) {
  SpecialitiesWritten(c, file, lines, s);
  bool written = false;
  for (std::size_t n = s.f2 + 1; n <= lines.size(); ++n) {
    const std::string text = core::TrimBlanks(lines[n - 1]);
    written = written || !text.empty();
    if (text.rfind("http", 0) == 0) c.Address(file, static_cast<int>(n), text);
  }
  if (!written) c.Report(file, 0, "no places after \"f2\"");
}

// dramatico: after "f2" a skipped line, 8 name lines (the heading and
// specialities 1-7), then centres ("-" name 1-25, telephone 26-34,
// speciality digits from column 41), each with its web address if any.
void CheckDrama(Checker& c, const std::string& file, const Lines& lines, const Sections& s) {
  SpecialitiesWritten(c, file, lines, s);
  const std::size_t firstName = s.f2 + 2, lastName = s.f2 + 9;
  for (std::size_t n = firstName; n <= lastName; ++n)
    if (n > lines.size() || Blank(Cols(lines[n - 1], 2, kArtsWidth))) {
      c.Report(file, static_cast<int>(std::min(n, lines.size())),
               "the 8 lines after the one that follows \"f2\" are the heading and the 7 specialities");
      return;
    }
  int centres = 0;
  for (std::size_t n = lastName + 1; n <= lines.size(); ++n) {
    const std::string& line = lines[n - 1];
    const int at = static_cast<int>(n);
    if (line.rfind("http", 0) == 0) {
      if (!centres) c.Report(file, at, "a web address before the first centre");
      c.Address(file, at, core::TrimRightSpaces(line));
      continue;
    }
    if (line.rfind("-", 0) != 0) {
      if (!Blank(line)) c.Report(file, at, "neither a centre (\"-\") nor a web address: never shown");
      continue;
    }
    ++centres;
    if (Blank(Cols(line, 2, 24))) c.Report(file, at, "a centre without a name in columns 2-25");
    if (!IsPhone(Cols(line, 26, 9))) c.Report(file, at, "the telephone in columns 26-34 is not 9 digits");
    std::string digits;
    for (char ch : Cols(line, 41, 7)) {
      if (ch < '0' || ch > '9') break;
      digits += ch;
    }
    if (digits.empty()) c.Report(file, at, "no speciality digits from column 41");
    for (char ch : digits)
      if (ch < '1' || ch - '0' > kDramaSpecialities) {
        c.Report(file, at, std::string("speciality ") + ch + ": the specialities are 1 to 7");
        break;
      }
  }
  if (centres == 0) c.Report(file, 0, "no centre after the specialities");
}

struct ArtsFile {
  const char* name;
  std::function<void(Checker&, const std::string&, const Lines&, const Sections&)> places;
};

}  // namespace

void CheckArtsStudies(Checker& c) {
  const ArtsFile files[] = {
      {"artesplas", CheckPlastic}, {"musica", CheckMusic}, {"danza", CheckDance}, {"dramatico", CheckDrama}};
  for (const ArtsFile& arts : files) {
    std::optional<std::pair<std::size_t, Sections>> reference;
    for (const char* lang : kLanguages) {
      const std::string file = std::string(lang) + arts.name;
      auto lines = c.Lines(file);
      if (!lines) continue;
      c.AtMostLines(file, *lines, kArtsLines);
      c.AtMostWidth(file, *lines, kArtsWidth);
      const Sections s = FindSections(c, file, *lines);
      if (Usable(s)) arts.places(c, file, *lines, s);
      // The languages are one file translated: the same lines in the same places.
      if (!reference) {
        reference = std::pair{lines->size(), s};
      } else if (reference->second.f1 != s.f1 || reference->second.f2 != s.f2) {
        c.Report(file, static_cast<int>(s.f1 != reference->second.f1 ? s.f1 : s.f2),
                 "the markers stand on other lines than in cas/");
      } else if (reference->first != lines->size()) {
        c.Report(file, 0, std::to_string(lines->size()) + " lines where cas/ has " +
                              std::to_string(reference->first));
      }
    }
  }
}

}  // namespace validate
