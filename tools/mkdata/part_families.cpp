// reqfp, certifica, certificah, fami_estad.txt, from data/src/families/.
#include <cctype>
#include <optional>
#include <set>
#include <string>

#include "core/text.h"
#include "parts.h"

namespace mkdata {

namespace {

const std::string kDir = "families/";
// Family codes in family order: "1"-"9" for 1-9, "A"-"Q" for 10-26.
const std::string kFamilyCodes = "123456789ABCDEFGHIJKLMNOPQ";

constexpr std::size_t kRequirementWidth = 55;   // the GS screen pads or cuts reqfp lines to 55
constexpr std::size_t kCertificateWidth = 60;   // certifica is read padded to 60
constexpr std::size_t kGroupLetters = 8;        // columns 1-8 of a group line
constexpr std::size_t kDefinitionText = 28;     // columns 2-29 of a definition
constexpr std::size_t kPrintedDefinition = 25;  // the certificate printout keeps 25 characters of it
constexpr std::size_t kPrintedDescription = 60; // ... and 60 of the description
constexpr std::size_t kDetailWidth = 90;        // certificah lines are read up to 90 characters
constexpr int kGroups = 9, kDefinitions = 9;
constexpr int kMaxPerFamily = 15;  // the printout holds 15 certificates of a family
// Certificate lines after the first nine: the screen keeps their numbers in
// 8-bit cells (255) and certificah is held in a table of 250 lines (9 + 241).
constexpr int kMaxCertificateLines = 241;
constexpr int kMaxHours = 999;  // columns 4-6

bool IsKey(const std::string& key) {
  if (key.empty()) return false;
  for (char ch : key)
    if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-')) return false;
  return true;
}

// Every language must say something; the widths are the screen's.
void CheckTexts(const Context& c, const Source& s, const Row& row, const std::array<std::string, 4>& texts,
                std::size_t width, const std::string& what) {
  for (std::size_t l = 0; l < 4; ++l) {
    if (core::IsBlank(texts[l])) s.Error(row, std::string(kLangDirs[l]) + " " + what + " is empty", c.log);
    c.Fit(texts[l], width, s.name(), row.line, std::string(kLangDirs[l]) + " " + what);
  }
}

// A single family code ("7", "c" or "C"); -1 when it is not one.
int FamilyIndex(const std::string& code) {
  if (code.size() != 1) return -1;
  std::size_t at = kFamilyCodes.find(static_cast<char>(std::toupper(static_cast<unsigned char>(code[0]))));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

bool CompileRequirements(const Context& c) {
  auto s = c.Read(kDir + "reqfp.tsv");
  if (!s) return false;
  LangFile reqfp;
  int n = 0;
  for (const Row& row : s->rows()) {
    const std::string key = s->Utf8(row, "key", c.log);
    if (!IsKey(key)) s->Error(row, "key \"" + key + "\" must be lowercase letters, digits and '-'", c.log);
    c.keys.Define("requirement", key, ++n, s->name(), row.line, c.log);
    auto texts = s->Texts(row, "text", c.log);
    CheckTexts(c, *s, row, texts, kRequirementWidth, "requirement");
    reqfp.Add(texts);
  }
  return c.WriteLang("reqfp", reqfp);
}

struct Family {
  std::array<std::string, 4> names;
  int line = 0;  // of families.tsv
};

// The 26 families in family order: their names (the certificate headers) and
// the percentage of the statistics screen.
std::optional<std::vector<Family>> CompileFamilyTable(const Context& c) {
  auto s = c.Read(kDir + "families.tsv");
  if (!s) return std::nullopt;
  std::vector<Family> families;
  OutFile stats;
  for (const Row& row : s->rows()) {
    const std::size_t i = families.size();
    const std::string code = core::TrimBlanks(s->Utf8(row, "code", c.log));
    if (i >= kFamilyCodes.size() || code != std::string(1, kFamilyCodes[i])) {
      s->Error(row, "family " + std::to_string(i + 1) + " must have code " +
                        (i < kFamilyCodes.size() ? std::string(1, kFamilyCodes[i]) : std::string("(none: 26 only)")),
               c.log);
    }
    const std::string percent = core::TrimBlanks(s->Utf8(row, "percent", c.log));
    // "dd.d": the statistics screen reads columns 1-5 as a number with '.'.
    bool ok = percent.size() >= 3 && percent.size() <= 5 && percent[percent.size() - 2] == '.';
    for (std::size_t k = 0; ok && k < percent.size(); ++k)
      ok = k == percent.size() - 2 || (percent[k] >= '0' && percent[k] <= '9');
    if (!ok || std::stod(percent) > 100.0)
      s->Error(row, "percent \"" + percent + "\" must be 0.0 to 100.0 with one decimal", c.log);
    stats.Add(percent);
    Family family{s->Texts(row, "name", c.log), row.line};
    CheckTexts(c, *s, row, family.names, kCertificateWidth - 2, "family name");
    families.push_back(family);
  }
  if (families.size() != kFamilyCodes.size())
    c.log.Error(s->name(), 0, std::to_string(families.size()) + " families instead of 26");
  c.WriteCommon("fami_estad.txt", stats);
  return families;
}

// Lines 1-9 of certifica: the letters of each group's families and its name.
bool CompileGroups(const Context& c, const std::vector<Family>& families, LangFile& certifica) {
  auto s = c.Read(kDir + "groups.tsv");
  if (!s) return false;
  std::set<int> grouped;
  for (const Row& row : s->rows()) {
    std::string letters;
    for (const std::string& code : s->List(row, "families", c.log)) {
      int f = FamilyIndex(code);
      if (f < 0) {
        s->Error(row, "\"" + code + "\" is not a family code (1-9, A-Q)", c.log);
        continue;
      }
      if (letters.find(kFamilyCodes[f]) != std::string::npos) s->Error(row, "family " + code + " twice", c.log);
      letters += kFamilyCodes[f];
      grouped.insert(f);
    }
    if (letters.empty() || letters.size() > kGroupLetters)
      s->Error(row, "a group has 1 to 8 families, not " + std::to_string(letters.size()), c.log);
    auto names = s->Texts(row, "name", c.log);
    CheckTexts(c, *s, row, names, kCertificateWidth - kGroupLetters, "group name");
    for (std::string& name : names) name = Field(letters, kGroupLetters) + name;
    certifica.Add(names);
  }
  if (s->rows().size() != kGroups)
    c.log.Error(s->name(), 0, std::to_string(s->rows().size()) + " groups instead of 9");
  for (std::size_t f = 0; f < families.size() && f < kFamilyCodes.size(); ++f)
    if (!grouped.count(static_cast<int>(f)))
      c.log.Error(kDir + "families.tsv", families[f].line,
                  std::string("family ") + kFamilyCodes[f] + " is in no group of groups.tsv");
  return true;
}

// Lines 1-9 of certificah: a requirement code and its text; several lines may
// share a code (a certificate with that code lists them all).
std::optional<std::set<char>> CompileDefinitions(const Context& c, LangFile& certificah) {
  auto s = c.Read(kDir + "requirements.tsv");
  if (!s) return std::nullopt;
  std::set<char> codes;
  for (const Row& row : s->rows()) {
    const std::string code = s->Text(row, "code", c.log);
    if (code.size() != 1 || code == " ") s->Error(row, "the code is one character", c.log);
    else codes.insert(code[0]);
    auto texts = s->Texts(row, "text", c.log);
    CheckTexts(c, *s, row, texts, kPrintedDefinition, "requirement text");
    for (std::string& text : texts) text = Field(code, 1) + core::CutTo(text, kDefinitionText);
    certificah.Add(texts);
  }
  if (s->rows().size() != kDefinitions)
    c.log.Error(s->name(), 0, std::to_string(s->rows().size()) + " requirement lines instead of 9");
  return codes;
}

// The integer of a column, or 0 (its fault is reported by the caller's range
// check, once).
int WholeNumber(const Source& s, const Row& row, const std::string& column, Log& log) {
  int value = 0;
  return core::ParseInt(core::TrimBlanks(s.Utf8(row, column, log)), value) ? value : 0;
}

struct Certificate {
  int family = 0;
  std::string codes;  // up to three requirement codes
  int hours = 0;
  std::array<std::string, 4> names, descriptions;
};

// One certificate row: its level is its first requirement code, "extra" adds
// up to two more.
std::optional<Certificate> ReadCertificate(const Context& c, const Source& s, const Row& row,
                                           const std::set<char>& codes) {
  Certificate cert;
  bool ok = true;
  cert.family = FamilyIndex(core::TrimBlanks(s.Utf8(row, "family", c.log)));
  if (cert.family < 0) ok = false, s.Error(row, "family must be a code 1-9 or A-Q", c.log);
  const int level = WholeNumber(s, row, "level", c.log);
  if (level < 1 || level > 3) ok = false, s.Error(row, "level must be 1, 2 or 3", c.log);
  else cert.codes = std::to_string(level);
  for (const std::string& extra : s.List(row, "extra", c.log)) cert.codes += extra;
  if (cert.codes.size() > 3) ok = false, s.Error(row, "at most three requirement codes", c.log);
  for (char code : cert.codes)
    if (!codes.count(code))
      ok = false, s.Error(row, std::string("unknown requirement code \"") + code + "\"", c.log);
  cert.hours = WholeNumber(s, row, "hours", c.log);
  if (cert.hours < 1 || cert.hours > kMaxHours)
    ok = false, s.Error(row, "hours must be a number from 1 to 999", c.log);
  cert.names = s.Texts(row, "name", c.log);
  CheckTexts(c, s, row, cert.names, kCertificateWidth - 1, "certificate name");
  for (const std::string& name : cert.names)
    if (!name.empty() && name[0] == '-') ok = false, s.Error(row, "a name starting with '-' reads as a family", c.log);
  cert.descriptions = s.Texts(row, "description", c.log);
  CheckTexts(c, s, row, cert.descriptions, kPrintedDescription, "description");
  if (!ok) return std::nullopt;
  return cert;
}

// Lines 10 on: each family header "<code>-<name>" followed by its
// certificates, in family order; certificah gets one line per line.
bool CompileCertificates(const Context& c, const std::vector<Family>& families, const std::set<char>& codes,
                         LangFile& certifica, LangFile& certificah) {
  auto s = c.Read(kDir + "certificates.tsv");
  if (!s) return false;
  std::vector<std::vector<Certificate>> byFamily(kFamilyCodes.size());
  for (const Row& row : s->rows()) {
    auto cert = ReadCertificate(c, *s, row, codes);
    if (!cert) continue;
    auto& list = byFamily[static_cast<std::size_t>(cert->family)];
    if (static_cast<int>(list.size()) == kMaxPerFamily)
      s->Error(row, "more than 15 certificates of family " + std::string(1, kFamilyCodes[cert->family]), c.log);
    list.push_back(*cert);
  }
  int lines = 0;
  for (std::size_t f = 0; f < families.size() && f < kFamilyCodes.size(); ++f) {
    const std::string code(1, kFamilyCodes[f]);
    std::array<std::string, 4> header, detail;
    for (std::size_t l = 0; l < 4; ++l) {
      header[l] = code + "-" + families[f].names[l];
      detail[l] = std::string(7, ' ') + families[f].names[l];  // not shown: no codes, no hours
    }
    certifica.Add(header);
    certificah.Add(detail);
    ++lines;
    for (const Certificate& cert : byFamily[f]) {
      std::array<std::string, 4> names, details;
      for (std::size_t l = 0; l < 4; ++l) {
        names[l] = code + cert.names[l];
        details[l] = Field(cert.codes, 3) + Number(cert.hours, 3) + " " + cert.descriptions[l];
        details[l] = core::CutTo(details[l], kDetailWidth);
      }
      certifica.Add(names);
      certificah.Add(details);
      ++lines;
    }
  }
  if (lines > kMaxCertificateLines)
    c.log.Error(s->name(), 0, std::to_string(lines) + " certificate lines with the family headers; at most " +
                                  std::to_string(kMaxCertificateLines) + " fit");
  return true;
}

}  // namespace

bool CompileFamilies(const Context& c) {
  bool ok = CompileRequirements(c);
  auto families = CompileFamilyTable(c);
  if (!families) return false;
  LangFile certifica, certificah;
  ok = CompileGroups(c, *families, certifica) && ok;
  auto codes = CompileDefinitions(c, certificah);
  if (!codes) return false;
  ok = CompileCertificates(c, *families, *codes, certifica, certificah) && ok;
  ok = c.WriteLang("certifica", certifica) && ok;
  return c.WriteLang("certificah", certificah) && ok;
}

}  // namespace mkdata
