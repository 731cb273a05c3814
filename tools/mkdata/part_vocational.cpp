// familias, fp, fp2, fpba, asignafp, asignagm, asignaba, datfpsphp, datfpmphp,
// lu1..lu4, datluggsphp, datluggmphp, datlugbasphp, from data/src/vocational/.
// This file: the families and their groups, and the order of the work; the
// title files are in part_vocational_titles.cpp, the places in
// part_vocational_places.cpp.
#include <cstdio>

#include "core/text.h"
#include "part_vocational.h"
#include "parts.h"

namespace mkdata {

namespace vocational {
namespace {

constexpr int kGroups = 9;
constexpr int kFirstGroupLine = 30;     // the GS and GM groups, lines 30-38
constexpr int kFirstBasicGroupLine = 40;  // the FP Basica groups, lines 40-48
constexpr std::size_t kGroupNameWidth = kWidth - 6;

// "1".."9" for families 1-9, "A".."Q" for 10-26.
char FamilyCode(int family) { return family <= 9 ? static_cast<char>('0' + family) : static_cast<char>('A' + family - 10); }

FamilyNames ReadFamilies(const Context& c) {
  FamilyNames names;
  auto source = c.Read("vocational/families.tsv");
  if (!source) return names;
  for (const Row& row : source->rows()) {
    const int number = source->Int(row, "number", c.log);
    if (number != static_cast<int>(names.size()) + 1)
      source->Error(row, "family " + std::to_string(number) + " where family " + std::to_string(names.size() + 1) +
                             " belongs (the families are numbered 1-26 in row order)", c.log);
    auto texts = source->Texts(row, "name", c.log);
    for (std::size_t l = 0; l < 4; ++l) {
      if (texts[l].empty()) source->Error(row, std::string("empty name") + kLangSuffix[l], c.log);
      c.Fit(texts[l], kWidth - 1, source->name(), row.line, std::string("name") + kLangSuffix[l]);
    }
    names.push_back(texts);
  }
  if (names.size() != kFamilies)
    c.log.Error(source->name(), 0, std::to_string(names.size()) + " families instead of 26");
  return names;
}

struct Group {
  int sourceLine = 0;
  std::vector<int> families;  // family numbers, at most three
  std::array<std::string, 4> name;
};

// The nine groups of one level ("gs": the GS and GM browsers; "fpb": FP Basica).
std::vector<Group> ReadGroups(const Context& c, const Source& source, const std::string& level) {
  std::vector<Group> groups;
  for (const Row& row : source.rows()) {
    const std::string rowLevel = source.Utf8(row, "level", c.log);
    if (rowLevel != "gs" && rowLevel != "fpb") {
      source.Error(row, "level \"" + rowLevel + "\" is neither gs nor fpb", c.log);
      continue;
    }
    if (rowLevel != level) continue;
    Group group;
    group.sourceLine = row.line;
    for (const std::string& item : source.List(row, "families", c.log)) {
      int f = 0;
      if (!core::ParseInt(item, f) || f < 1 || f > kFamilies) source.Error(row, "family \"" + item + "\" is not 1-26", c.log);
      else group.families.push_back(f);
    }
    if (group.families.size() > 3) source.Error(row, "more than three families in a group", c.log);
    group.name = source.Texts(row, "name", c.log);
    for (std::size_t l = 0; l < 4; ++l)
      c.Fit(group.name[l], kGroupNameWidth, source.name(), row.line, std::string("name") + kLangSuffix[l]);
    groups.push_back(group);
  }
  if (groups.size() != kGroups)
    c.log.Error(source.name(), 0, std::to_string(groups.size()) + " groups of level " + level + " instead of 9");
  return groups;
}

// The two-digit family references of a group line: the family-index entries
// of each family in the title files that use the line (which must agree).
std::string GroupReferences(const Context& c, const std::string& where, const Group& group,
                            const std::vector<const TitleFile*>& files, const std::vector<const char*>& fileNames) {
  std::string refs;
  for (std::size_t i = 0; i < 3; ++i) {
    int entry = 0;
    if (i < group.families.size()) {
      const int f = group.families[i];
      entry = files[0]->IndexOf(f);
      for (std::size_t k = 0; k < files.size(); ++k) {
        const int other = files[k]->IndexOf(f);
        if (other == 0)
          c.log.Error(where, group.sourceLine, "family " + std::to_string(f) + " has no header in " + fileNames[k]);
        else if (other != entry)
          c.log.Error(where, group.sourceLine,
                      "family " + std::to_string(f) + " is header " + std::to_string(other) + " of " + fileNames[k] +
                          " but header " + std::to_string(entry) + " of " + fileNames[0] +
                          " (both title files must list the families in the same order)");
      }
    }
    char two[8];
    std::snprintf(two, sizeof two, "%02d", entry % 100);
    refs += two;
  }
  return refs;
}

void AddGroupLines(const Context& c, LangFile& familias, const std::vector<Group>& groups, const std::string& where,
                   const std::vector<const TitleFile*>& files, const std::vector<const char*>& fileNames) {
  for (const Group& group : groups) {
    const std::string refs = GroupReferences(c, where, group, files, fileNames);
    std::array<std::string, 4> line;
    for (std::size_t l = 0; l < 4; ++l) line[l] = refs + group.name[l];
    familias.Add(line);
  }
}

// Lines 1-26 the families, 30-38 the GS/GM groups, 40-48 the FP Basica groups;
// the lines between stay empty (the statistics screen stops at the first one).
bool WriteFamilias(const Context& c, const FamilyNames& names, const TitleFile& gs, const TitleFile& gm,
                   const TitleFile& fpb) {
  auto source = c.Read("vocational/groups.tsv");
  if (!source) return false;
  LangFile familias;
  for (std::size_t f = 0; f < names.size(); ++f) {
    std::array<std::string, 4> line;
    for (std::size_t l = 0; l < 4; ++l) line[l] = std::string(1, FamilyCode(static_cast<int>(f) + 1)) + names[f][l];
    familias.Add(line);
  }
  while (familias.language[0].lines.size() < kFirstGroupLine - 1) familias.AddAll("");
  AddGroupLines(c, familias, ReadGroups(c, *source, "gs"), source->name(), {&gs, &gm}, {"fp", "fp2"});
  while (familias.language[0].lines.size() < kFirstBasicGroupLine - 1) familias.AddAll("");
  AddGroupLines(c, familias, ReadGroups(c, *source, "fpb"), source->name(), {&fpb}, {"fpba"});
  return c.WriteLang("familias", familias);
}

}  // namespace

int TitleFile::IndexOf(int family) const {
  for (std::size_t k = 0; k < headerFamilies.size(); ++k)
    if (headerFamilies[k] == family) return static_cast<int>(k) + 1;
  return 0;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  if (core::TrimBlanks(text).empty()) return lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = text.find('|', start);
    lines.push_back(core::TrimBlanks(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return lines;
}

}  // namespace vocational

bool CompileVocational(const Context& c) {
  using namespace vocational;
  const std::size_t errorsBefore = c.log.errors.size();
  const FamilyNames families = ReadFamilies(c);
  if (families.size() != kFamilies) return false;
  const TitleFile gs = CompileTitles(c, kGs, families, true);
  const TitleFile gm = CompileTitles(c, kGm, families, false);
  const TitleFile fpb = CompileTitles(c, kFpb, families, false);
  WriteFamilias(c, families, gs, gm, fpb);
  CompilePlaces(c, gs, gm, fpb);
  return c.log.errors.size() == errorsBefore;
}

}  // namespace mkdata
