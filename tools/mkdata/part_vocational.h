// The vocational part of the compiler: the title lists of the three levels
// with their subject blocks and relation rows, the families and their
// groups, and the place files of the centres with their place lists.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "source.h"

namespace mkdata::vocational {

inline constexpr int kFamilies = 26;
inline constexpr std::size_t kWidth = 60;          // every title, block and family line is shown 60 wide
inline constexpr std::size_t kOccupationLines = 5;  // block lines 1-5
inline constexpr std::size_t kModuleLines = 20;     // block lines 6-25
inline constexpr std::size_t kBlockLines = 26;      // a heading and 25 stored lines

// One level of vocational training and the files it becomes.
struct Level {
  const char* source;      // under data/src/vocational/
  const char* titles;      // fp, fp2, fpba
  const char* blocks;      // asignafp, asignagm, asignaba
  const char* relation;    // datfpsphp, datfpmphp; nullptr for FP Basica
  const char* placeLists;  // datluggsphp, datluggmphp, datlugbasphp
  const char* keyKind;     // the kind of key its titles define
  const char* centreColumn;  // the column of centres.tsv that lists them
  std::size_t capacity;    // lines of the title file
  std::size_t professions;  // profession fields of a relation row
  bool itineraries, requirements, statements;
};

inline const Level kGs{"titles_gs.tsv", "fp", "asignafp", "datfpsphp", "datluggsphp", "gs-title", "gs",
                       200, 6, true, true, false};
inline const Level kGm{"titles_gm.tsv", "fp2", "asignagm", "datfpmphp", "datluggmphp", "gm-title", "gm",
                       200, 3, false, false, true};
inline const Level kFpb{"titles_fpb.tsv", "fpba", "asignaba", nullptr, "datlugbasphp", "fpb-title", "fpb",
                        255, 0, false, false, false};

// The 26 families in family order, names in the four languages.
using FamilyNames = std::vector<std::array<std::string, 4>>;

// One line of a title file: a family header or a title.
struct TitleLine {
  int sourceLine = 0;
  bool header = false;
  char mark = 0;  // '|' or '!' on a header, else 0
  int family = 0;
  std::array<std::string, 4> name;
  std::vector<int> itineraries, requirements, professions, statements;
  std::array<std::vector<std::string>, 4> occupations, modules;
};

// A level's title file as compiled: its lines in runtime order.
struct TitleFile {
  bool fromSource = false;  // false: the source is absent and only the family headers are written
  std::vector<TitleLine> lines;
  // Family number of each header, in file order (the family index); 0 for a
  // header that stands for no single family.
  std::vector<int> headerFamilies;
  // Entry (1-based) of the family index whose header stands for family f; 0 when none.
  int IndexOf(int family) const;
};

// Reads a level's title source (or, when it is absent and not required, the
// bare family headers), defines its title keys and writes its title file,
// subject blocks and relation rows.
TitleFile CompileTitles(const Context& c, const Level& level, const FamilyNames& families, bool required);

// Reads centres.tsv and writes lu1..lu4 and the three place-list files.
bool CompilePlaces(const Context& c, const TitleFile& gs, const TitleFile& gm, const TitleFile& fpb);

// "a | b | c" -> {"a", "b", "c"}; empty text -> none.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace mkdata::vocational
