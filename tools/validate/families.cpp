// Checks of reqfp, certifica, certificah, fami_estad.txt.
#include <array>
#include <map>
#include <set>

#include "checks.h"
#include "core/text.h"

namespace validate {
namespace {

const std::string kFamilyCodes = "123456789ABCDEFGHIJKLMNOPQ";
constexpr std::size_t kRequirementWidth = 55, kCertificateWidth = 60, kDetailWidth = 90;
constexpr std::size_t kListCapacity = 1100;  // ReadPaddedList
constexpr std::size_t kDetailCapacity = 250; // ReadRawList90
constexpr int kHeadLines = 9;                // groups in certifica, definitions in certificah
constexpr int kAddressable = 255;            // certificate lines kept in 8-bit cells
constexpr int kMaxPerFamily = 15;            // certificates of one family in the printout
constexpr int kFamilies = 26;

bool IsFamilyCode(char ch) { return kFamilyCodes.find(ch) != std::string::npos; }

char At(const std::string& line, std::size_t column) { return column <= line.size() ? line[column - 1] : ' '; }

std::string Utf8(const std::string& cp1252) { return core::Cp1252ToUtf8(cp1252); }

using Lines = std::vector<std::string>;

// A language folder whose file has a different number of lines from the
// Castilian one would shift every reference into it.
void SameLineCount(Checker& c, const std::string& file, const Lines& lines, const Lines& cas) {
  if (lines.size() != cas.size())
    c.Report(file, static_cast<int>(std::min(lines.size(), cas.size())) + 1,
             std::to_string(lines.size()) + " lines where cas has " + std::to_string(cas.size()));
}

void Requirements(Checker& c, const std::string& file, const Lines& lines) {
  c.AtMostLines(file, lines, kListCapacity);
  c.AtMostWidth(file, lines, kRequirementWidth);
  for (std::size_t n = 1; n <= lines.size(); ++n)
    if (core::IsBlank(lines[n - 1])) c.Report(file, static_cast<int>(n), "empty requirement line");
}

// What the certificate screen derives from certifica: which line is a family
// header, and the letters of each group.
struct CertificateIndex {
  std::map<char, int> headerLine;  // family letter -> its header line
  std::vector<bool> isHeader;      // per line (0-based), from line 10 on
};

void Groups(Checker& c, const std::string& file, const Lines& lines, const CertificateIndex& index) {
  std::set<char> grouped;
  for (int n = 1; n <= kHeadLines && n <= static_cast<int>(lines.size()); ++n) {
    const std::string& line = lines[n - 1];
    const std::string letters = core::Columns(line, 1, 8);
    std::set<char> seen;
    for (char ch : letters) {
      if (ch == ' ') continue;
      if (!IsFamilyCode(ch)) c.Report(file, n, "group letter \"" + Utf8(std::string(1, ch)) + "\" is not a family code");
      else if (!seen.insert(ch).second) c.Report(file, n, std::string("family ") + ch + " twice in the group");
      else if (!index.headerLine.count(ch)) c.Report(file, n, std::string("family ") + ch + " of the group has no header line");
      grouped.insert(ch);
    }
    if (seen.empty()) c.Report(file, n, "a group without families");
    if (core::IsBlank(core::Columns(line, 9, kCertificateWidth))) c.Report(file, n, "a group without a name");
  }
  for (const auto& [letter, line] : index.headerLine)
    if (!grouped.count(letter)) c.Report(file, line, std::string("family ") + letter + " is in no group: never shown");
}

// Lines 10 on: each family's header, then its certificates (the printout
// takes the family name from the line before the first certificate).
CertificateIndex Certificates(Checker& c, const std::string& file, const Lines& lines) {
  CertificateIndex index;
  char block = 0;
  std::map<char, int> count;
  for (int n = kHeadLines + 1; n <= static_cast<int>(lines.size()); ++n) {
    const std::string& line = lines[n - 1];
    const char letter = At(line, 1), mark = At(line, 2);
    const bool header = mark == '-';
    index.isHeader.push_back(header);
    if (!IsFamilyCode(letter)) {
      c.Report(file, n, "column 1 must be a family code 1-9 or A-Q");
      continue;
    }
    if (header) {
      if (!index.headerLine.emplace(letter, n).second)
        c.Report(file, n, std::string("second header of family ") + letter);
      if (core::IsBlank(core::Columns(line, 3, kCertificateWidth))) c.Report(file, n, "a family header without a name");
      block = letter;
      continue;
    }
    if (core::IsBlank(core::Columns(line, 2, kCertificateWidth))) c.Report(file, n, "a certificate without a name");
    else if (letter != block)
      c.Report(file, n, std::string("certificate of family ") + letter + " outside its family's header block");
    else if (++count[letter] == kMaxPerFamily + 1)
      c.Report(file, n, std::string("more than 15 certificates of family ") + letter + " (the printout holds 15)");
  }
  return index;
}

void Certifica(Checker& c, const std::string& file, const Lines& lines, CertificateIndex& index) {
  c.AtMostLines(file, lines, kHeadLines + kAddressable);
  c.AtMostWidth(file, lines, kCertificateWidth);
  if (lines.size() < static_cast<std::size_t>(kHeadLines)) {
    c.Report(file, static_cast<int>(lines.size()) + 1, "the nine family groups come first");
    return;
  }
  index = Certificates(c, file, lines);
  Groups(c, file, lines, index);
}

std::set<char> Definitions(Checker& c, const std::string& file, const Lines& lines) {
  std::set<char> codes;
  for (int n = 1; n <= kHeadLines && n <= static_cast<int>(lines.size()); ++n) {
    const std::string& line = lines[n - 1];
    if (At(line, 1) == ' ') c.Report(file, n, "a requirement definition without its code in column 1");
    else codes.insert(At(line, 1));
    if (core::IsBlank(core::Columns(line, 2, 28))) c.Report(file, n, "a requirement definition without text");
    if (!core::IsBlank(core::Columns(line, 30, kDetailWidth)))
      c.Report(file, n, "definition text past column 29 is never shown");
  }
  return codes;
}

void Detail(Checker& c, const std::string& file, int n, const std::string& line, const std::set<char>& codes) {
  const std::string requirements = core::Columns(line, 1, 3);
  if (core::IsBlank(requirements)) c.Report(file, n, "a certificate without requirement codes (columns 1-3)");
  for (char code : requirements)
    if (code != ' ' && !codes.count(code))
      c.Report(file, n, "requirement code \"" + Utf8(std::string(1, code)) + "\" matches no definition of lines 1-9");
  int hours = 0;
  if (!core::ParseInt(core::Columns(line, 4, 3), hours) || hours <= 0)
    c.Report(file, n, "columns 4-6 must be the learning hours, \"" + Utf8(core::Columns(line, 4, 3)) + "\" is not");
  if (At(line, 7) != ' ') c.Report(file, n, "column 7 must stay blank");
  if (core::IsBlank(core::Columns(line, 8, kDetailWidth))) c.Report(file, n, "a certificate without description");
}

void Certificah(Checker& c, const std::string& file, const Lines& lines, const Lines& certifica,
                const CertificateIndex& index) {
  c.AtMostLines(file, lines, kDetailCapacity);
  c.AtMostWidth(file, lines, kDetailWidth);
  if (lines.size() != certifica.size())
    c.Report(file, static_cast<int>(std::min(lines.size(), certifica.size())) + 1,
             std::to_string(lines.size()) + " lines; certifica has " + std::to_string(certifica.size()) +
                 " (one detail line per certifica line)");
  const std::set<char> codes = Definitions(c, file, lines);
  for (std::size_t i = 0; i < index.isHeader.size(); ++i) {
    const int n = kHeadLines + 1 + static_cast<int>(i);
    if (n > static_cast<int>(lines.size())) break;
    if (!index.isHeader[i]) Detail(c, file, n, lines[static_cast<std::size_t>(n - 1)], codes);
  }
}

// Letters, codes and hours are the same data in every language: line n
// must carry the same data as the Castilian line.
template <typename Data>
void SameData(Checker& c, const std::string& file, const Lines& lines, const Lines& cas, Data data) {
  for (std::size_t n = 1; n <= lines.size() && n <= cas.size(); ++n)
    if (data(n, lines[n - 1]) != data(n, cas[n - 1]))
      c.Report(file, static_cast<int>(n), "letters, codes or hours differ from the cas line");
}

// certifica: the group letters, then the family letter and whether the line
// is a header.
std::string CertificaData(std::size_t n, const std::string& line) {
  if (n <= std::size_t{kHeadLines}) return core::Columns(line, 1, 8);
  return std::string(1, At(line, 1)) + (At(line, 2) == '-' ? "-" : "");
}
// certificah: the definition code, then the requirement codes and hours.
std::string CertificahData(std::size_t n, const std::string& line) {
  return core::Columns(line, 1, n <= std::size_t{kHeadLines} ? 1 : 6);
}

// The statistics screen reads trimmed lines up to the first empty one and
// takes columns 1-5 of each as a percentage "12.5".
void FamilyStatistics(Checker& c) {
  const std::string file = "fami_estad.txt";
  auto lines = c.Lines(file);
  if (!lines) return;
  int read = 0;
  for (const std::string& raw : *lines) {
    const std::string line = core::TrimBlanks(raw);
    if (line.empty()) break;
    ++read;
    if (read > kFamilies) {
      c.Report(file, read, "more than 26 family percentages");
      break;
    }
    const std::string text = core::TrimBlanks(core::CutTo(line, 5));
    bool ok = text.size() >= 3 && text[text.size() - 2] == '.';
    for (std::size_t k = 0; ok && k < text.size(); ++k)
      ok = k == text.size() - 2 || (text[k] >= '0' && text[k] <= '9');
    if (!ok || line.size() > 5) c.Report(file, read, "\"" + Utf8(line) + "\" is not a percentage like 12.5");
    else if (std::stod(text) > 100.0) c.Report(file, read, "a percentage above 100");
  }
  if (read < kFamilies)
    c.Report(file, read + 1, "only " + std::to_string(read) + " family percentages before the end; 26 are drawn");
}

}  // namespace

void CheckFamilies(Checker& c) {
  std::array<std::optional<Lines>, 4> reqfp, certifica, certificah;
  for (std::size_t l = 0; l < 4; ++l) {
    const std::string lang = kLanguages[l];
    reqfp[l] = c.Lines(lang + "reqfp");
    if (reqfp[l]) Requirements(c, lang + "reqfp", *reqfp[l]);
    certifica[l] = c.Lines(lang + "certifica");
    CertificateIndex index;
    if (certifica[l]) Certifica(c, lang + "certifica", *certifica[l], index);
    certificah[l] = c.Lines(lang + "certificah");
    if (certificah[l] && certifica[l]) Certificah(c, lang + "certificah", *certificah[l], *certifica[l], index);
  }
  for (std::size_t l = 1; l < 4; ++l) {
    const std::string lang = kLanguages[l];
    if (reqfp[l] && reqfp[0]) SameLineCount(c, lang + "reqfp", *reqfp[l], *reqfp[0]);
    if (certifica[l] && certifica[0]) {
      SameLineCount(c, lang + "certifica", *certifica[l], *certifica[0]);
      SameData(c, lang + "certifica", *certifica[l], *certifica[0], CertificaData);
    }
    if (certificah[l] && certificah[0]) {
      SameLineCount(c, lang + "certificah", *certificah[l], *certificah[0]);
      SameData(c, lang + "certificah", *certificah[l], *certificah[0], CertificahData);
    }
  }
  FamilyStatistics(c);
}

}  // namespace validate
