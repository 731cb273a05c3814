// The global data store: every table of the program at its fixed capacity,
// allocated once at start (AllocateStore) and released once at exit
// (FreeStore). Screens fill their tables when they are created and only read
// them afterwards.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "maps.h"
#include "tables.h"

namespace core {

inline constexpr int StdWidth = 60;
inline constexpr int kNarrowWidth = 55;  // "comunida", "otros", "reqfp"
inline constexpr int kArtsWidth = 90;
inline constexpr int kListCapacity = 1100;

// "comarcas": 41 coded sub-regions and the free lines after them.
struct CodedNames {
  std::array<std::string, 60> names;     // names[code - 1]
  std::array<std::string, 60> prefixes;  // two characters
  std::array<int, 42> codes{};           // codes[line], lines 1..41
  int count = 0;
};

// "comarcasm": zones grouped into 28 groups of at most 3 members.
struct CodedGroups {
  std::array<std::string, 101> names;  // 1..100
  std::array<std::string, 101> prefixes;
  std::array<int, 101> group{};
  std::array<std::array<int, 4>, 29> members{};  // members[g][0] = count, [1..3] line numbers
  int count = 0;
};

// "lugar": places with their addresses.
struct Places {
  Places() : names(kListCapacity, 35), addresses(kListCapacity, 60) {}
  TextList names;
  TextList addresses;
  std::array<int, kListCapacity> codes{};  // codes[i - 1]
  int count = 0;
};

// "dobles": groups of double degrees.
struct DoubleDegrees {
  static constexpr int kGroups = 199;
  static constexpr int kItems = 50;
  DoubleDegrees() : titles(kGroups, 40) {}
  TextList titles;  // entry 0 = the path
  std::array<int, kGroups + 1> groupCode{};
  std::array<int, kGroups + 1> itemCount{};
  // [g][j], g 0..199 (items before any header fall in group 0), j 1..50
  std::vector<std::array<int, kItems + 1>> degreeA = std::vector<std::array<int, kItems + 1>>(kGroups + 1);
  std::vector<std::array<int, kItems + 1>> degreeB = std::vector<std::array<int, kItems + 1>>(kGroups + 1);
  std::vector<std::array<int, kItems + 1>> itemFlag = std::vector<std::array<int, kItems + 1>>(kGroups + 1);
  std::vector<std::array<std::string, kItems + 1>> notes =
      std::vector<std::array<std::string, kItems + 1>>(kGroups + 1);
  int count = 0;
};

// The four place matrices of one level ("datluggsphp", ...).
struct BlockMatrices {
  BlockMatrices() : m{IntMatrix(kListCapacity, 26), IntMatrix(kListCapacity, 26), IntMatrix(kListCapacity, 26),
                      IntMatrix(kListCapacity, 26)} {}
  std::array<IntMatrix, 4> m;
};

// "datcarnphp": offering places, last marks and title variants per degree,
// with the distinct list built from the third block.
struct DegreeOffers {
  static constexpr int kDegrees = 350;
  DegreeOffers() : univ(kDegrees, 126), mark(kDegrees, 126), title(kDegrees, 126), distinct(kDegrees, 16) {}
  ByteMatrix univ, mark, title;  // OfferUniv, OfferMark, OfferTitle
  ByteMatrix distinct;           // [r][0] = count, [r][1..15]
};

struct Store {
  Store();

  // Lists read at start.
  TextList informa_l{599, 100}, materias_l{599, 100};

  // University and geography.
  TextList comunida{kListCapacity, 60};
  std::array<TextList, 4> lu{TextList{kListCapacity, 60}, TextList{kListCapacity, 60}, TextList{kListCapacity, 60},
                             TextList{kListCapacity, 60}};
  TextList lu2Basic{kListCapacity, 60};
  Places lugar;
  TextList comuint{19, 1000};
  TextList carreran{kListCapacity, 60}, carreranb{kListCapacity, 60}, itinerar{kListCapacity, 60};
  TextList otros{kListCapacity, 60}, reqfp{kListCapacity, 60};
  TextList carrenue{kListCapacity, 120};
  DoubleDegrees dobles;
  IntMatrix datgradosphp{DegreeOffers::kDegrees, 14};
  DegreeOffers datcarnphp;

  // Vocational training.
  TextList fp{kListCapacity, 60}, fpTitles{kListCapacity, 60};
  std::array<int, kListCapacity> fpLines{};
  TextList fp2{kListCapacity, 60}, fp2Titles{kListCapacity, 60};
  std::array<int, kListCapacity> fp2Lines{};
  TextList fpba{kListCapacity, 60};
  GroupTable asignafp{200, 25, 60}, asignagm{200, 25, 60}, asignaba{200, 25, 60};
  GroupTable asignaot{50, 60, 60};
  TextList familias{kListCapacity, 60};
  TextList certifica{kListCapacity, 60}, certificah{250, 90};
  IntMatrix datfpsphp{200, 25}, datfpmphp{200, 7};
  BlockMatrices datluggsphp, datluggmphp, datlugbasphp;
  CodedNames comarcas;
  CodedGroups comarcasm;

  // Questionnaires.
  TextList activida{kListCapacity, 60};
  TextList cuestion{kListCapacity, 60}, cualidad{kListCapacity, 60}, interes{kListCapacity, 60};
  TextList cuesgm{kListCapacity, 75};
  ByteMatrix cuestiocua{20, 51}, cuestioint{20, 51}, cuestioESO{20, 51};

  // Work lists and print buffers.
  TextList WorkList{kListCapacity, 60}, WorkMarks{kListCapacity, 60};
  TextList ResultList{kListCapacity, 60}, PlacesList{kListCapacity, 60};
  TextList WorkList2{kListCapacity, 60}, WorkList3{kListCapacity, 60};
  TextList ReportLines{1500, 65}, ReportColumn2{1500, 65};
  int ReportCount = 0;
  std::array<int, 201> BoldLines{};  // [0] = count, [1..200] line numbers
  std::vector<std::string> LineBuffer = std::vector<std::string>(4401);
  int LineCount = 0;

  // Maps.
  MapRasters rasters;
  std::array<std::array<int, 2>, 20> markers{};  // markers[1..19] = (x, y) on "mapa"
  std::array<std::string, 65> codeTable;          // 1..64
};

// The store; AllocateStore must have run.
Store& S();
bool StoreAllocated();
void AllocateStore();
// Releases every table and every shared image (through the hooks the
// user-interface layer registered).
void FreeStore();
void OnFreeStore(std::function<void()> hook);

// The constant tables set at start.
void SetMarkerPoints(Store& store);
void BuildCodeTable(Store& store);

// Shared palette (RGB) and the shared image file names, in loading order.
namespace palette {
inline constexpr unsigned kSplash = 0xDFECF9;
inline constexpr unsigned kNavy = 0x000080;
inline constexpr unsigned kRed = 0xFF0000;
inline constexpr unsigned kResultPanel = 0x00A9FB;
inline constexpr unsigned kDialog = 0xFFFFE1;
inline constexpr unsigned kMaroon = 0x800000;
inline constexpr unsigned kCream = 0xFFEFCE;
inline constexpr unsigned kLime = 0xD8F999;
inline constexpr unsigned kCoral = 0xE75A5E;
inline constexpr unsigned kPaleYellow = 0xFFFFCC;
inline constexpr unsigned kBlue = 0x0000FF;
inline constexpr unsigned kWhite = 0xFFFFFF;
inline constexpr unsigned kSage = 0xC0DCCE;
inline constexpr unsigned kYellow = 0xFFFF00;
}  // namespace palette

inline constexpr const char* kSharedImages[] = {"chica.bmp", "parte", "heli.bmp", "mapa", "mapac",
                                                "mapam",     "suelo", "marco",    "cabecera"};

}  // namespace core
