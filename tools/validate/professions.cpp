// Checks of activida, profesio, fracortas, fralargas: the fixed columns the
// professions questionnaire cuts, the codes and phrase numbers that tie the
// four files together, the capacities of its tables and pages, and the links
// from profession numbers to the other studies and to the relation rows.
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>

#include "checks.h"
#include "core/text.h"

namespace validate {
namespace {

constexpr std::size_t kMaxActivities = 30, kMaxProfessions = 250, kMaxShort = 120, kMaxLong = 20;
constexpr std::size_t kMaxOnPages = 44;    // 4 pages of at most 11 phrases
constexpr std::size_t kMaxChosenLong = 3;  // the student chooses 1 to 3 long phrases
constexpr std::size_t kMaxStudyLines = 30, kMaxStudiesPerList = 50;
const std::string kBlank = "    ";

// Fixed links of the professions screen: profession line -> otros lines.
const std::map<int, std::vector<int>> kFixedOtros = {{32, {7}}, {33, {6}}, {35, {5, 8}}, {36, {6, 9}}};
constexpr int kLastFixedProfession = 53;
// 52 and 53 show two interface texts on screen, but the printed report prints
// these otros lines in their place.
const std::map<int, std::vector<int>> kPrintedOtros = {{52, {49}}, {53, {50}}};

struct Profession {
  std::string code1, code2;
  int phrase1 = 0, phrase2 = 0;
};
struct ShortPhrase {
  std::string a, b;
};

// Characters [from, from + n) of a line extended with spaces, as the readers
// cut them.
std::string Cut(const std::string &line, std::size_t from, std::size_t n) {
  std::string padded = line;
  if (padded.size() < from + n) padded.resize(from + n, ' ');
  return padded.substr(from, n);
}

bool IsCode(const std::string &code) {
  return std::all_of(code.begin(), code.end(), [](char ch) {
    return std::isupper(static_cast<unsigned char>(ch)) || std::isdigit(static_cast<unsigned char>(ch));
  });
}

class ProfessionFiles {
 public:
  explicit ProfessionFiles(Checker &c) : c_(c) {}

  void Run() {
    for (const char *lang : kLanguages) Language(lang);
    if (!complete_) return;
    Reachable();
    Pages();
    FixedLinks();
    StudyLines();
  }

 private:
  Checker &c_;
  bool complete_ = true;
  // The tables of the Castilian folder; the other folders must match them.
  std::vector<std::string> codes_;
  std::vector<Profession> professions_;
  std::vector<ShortPhrase> shorts_;
  std::vector<std::array<std::string, 4>> longs_;
  std::array<std::vector<std::string>, 4> structure_;  // per file: the non-text columns of every line, cas

  bool Known(const std::string &code) const { return std::find(codes_.begin(), codes_.end(), code) != codes_.end(); }

  // An activity code of a line: must name an activity, or be blank when
  // allowed.
  void Code(const std::string &file, int line, const std::string &code, bool blankAllowed, const char *what) {
    if (code == kBlank) {
      if (!blankAllowed) c_.Report(file, line, std::string(what) + " is blank");
    } else if (!Known(code)) {
      c_.Report(file, line, std::string(what) + " \"" + core::Cp1252ToUtf8(code) + "\" is not an activity of activida");
    }
  }

  // A phrase number of characters 51–53 or 54–56: blank, or a line of
  // fracortas.
  int PhraseNumber(const std::string &file, int line, const std::string &field, const char *what) {
    const std::string text = core::TrimBlanks(field);
    if (text.empty()) return 0;
    int n = 0;
    if (!core::ParseInt(text, n) || n < 0) {
      c_.Report(file, line, std::string(what) + " \"" + core::Cp1252ToUtf8(field) + "\" is not a number");
      return 0;
    }
    if (n > static_cast<int>(shorts_.size()))
      c_.Report(file, line,
                std::string(what) + " " + std::to_string(n) + " is not a line of fracortas (" +
                    std::to_string(shorts_.size()) + " lines)");
    return n;
  }

  void Separator(const std::string &file, int line, const std::string &l, std::size_t at) {
    if (Cut(l, at, 1) != " ") c_.Report(file, line, "character " + std::to_string(at + 1) + " must be a space");
  }

  // Every language folder has the same codes and numbers at the same lines.
  void SameStructure(std::size_t which, const std::string &file, const std::vector<std::string> &fixedParts) {
    if (file.rfind("cas/", 0) == 0) {
      structure_[which] = fixedParts;
      return;
    }
    if (fixedParts.size() != structure_[which].size()) {
      c_.Report(file, 0,
                std::to_string(fixedParts.size()) + " lines where cas has " + std::to_string(structure_[which].size()));
      return;
    }
    for (std::size_t i = 0; i < fixedParts.size(); ++i)
      if (fixedParts[i] != structure_[which][i])
        c_.Report(file, static_cast<int>(i) + 1, "codes or phrase numbers differ from those of cas");
  }

  void Activities(const std::string &lang, bool cas) {
    const std::string file = lang + "activida";
    auto lines = c_.Lines(file);
    if (!lines) return void(complete_ = false);
    c_.AtMostLines(file, *lines, kMaxActivities);
    c_.AtMostWidth(file, *lines, 65);
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < lines->size(); ++i) {
      const int line = static_cast<int>(i) + 1;
      const std::string &l = (*lines)[i];
      const std::string code = Cut(l, 0, 4);
      if (!IsCode(code))
        c_.Report(file, line, "characters 1-4 must be an activity code (capitals or digits)");
      else if (std::find(codes.begin(), codes.end(), code) != codes.end())
        c_.Report(file, line, "activity code " + code + " is used by an earlier line");
      Separator(file, line, l, 4);
      if (core::TrimBlanks(Cut(l, 5, 60)).empty()) c_.Report(file, line, "the activity has no name");
      codes.push_back(code);
    }
    if (cas) codes_ = codes;
    SameStructure(0, file, codes);
  }

  void ShortPhrases(const std::string &lang, bool cas) {
    const std::string file = lang + "fracortas";
    auto lines = c_.Lines(file);
    if (!lines) return void(complete_ = false);
    c_.AtMostLines(file, *lines, kMaxShort);
    c_.AtMostWidth(file, *lines, 70);
    std::vector<std::string> fixedParts;
    std::vector<ShortPhrase> phrases;
    for (std::size_t i = 0; i < lines->size(); ++i) {
      const int line = static_cast<int>(i) + 1;
      const std::string &l = (*lines)[i];
      ShortPhrase p{Cut(l, 0, 4), Cut(l, 5, 4)};
      Code(file, line, p.a, false, "code A");
      Code(file, line, p.b, true, "code B");
      Separator(file, line, l, 4);
      Separator(file, line, l, 9);
      if (core::TrimBlanks(Cut(l, 10, 60)).empty()) c_.Report(file, line, "the phrase has no text");
      fixedParts.push_back(p.a + p.b);
      phrases.push_back(p);
    }
    if (cas) shorts_ = phrases;
    SameStructure(1, file, fixedParts);
  }

  void Professions(const std::string &lang, bool cas) {
    const std::string file = lang + "profesio";
    auto lines = c_.Lines(file);
    if (!lines) return void(complete_ = false);
    c_.AtMostLines(file, *lines, kMaxProfessions);
    c_.AtMostWidth(file, *lines, 56);
    std::vector<std::string> fixedParts;
    std::vector<Profession> professions;
    for (std::size_t i = 0; i < lines->size(); ++i) {
      const int line = static_cast<int>(i) + 1;
      const std::string &l = (*lines)[i];
      Profession p{Cut(l, 0, 4), Cut(l, 5, 4)};
      Code(file, line, p.code1, false, "first activity code");
      Code(file, line, p.code2, true, "second activity code");
      if (p.code1 == p.code2) c_.Report(file, line, "the second activity code repeats the first");
      Separator(file, line, l, 4);
      Separator(file, line, l, 9);
      if (core::TrimBlanks(Cut(l, 10, 40)).empty()) c_.Report(file, line, "the profession has no name");
      p.phrase1 = PhraseNumber(file, line, Cut(l, 50, 3), "first phrase number");
      p.phrase2 = PhraseNumber(file, line, Cut(l, 53, 3), "second phrase number");
      if (p.phrase1 == 0 && p.phrase2 == 0)
        c_.Report(file, line, "no short phrase leads to this profession: it is never suggested");
      fixedParts.push_back(p.code1 + p.code2 + Cut(l, 50, 6));
      professions.push_back(p);
    }
    if (cas) professions_ = professions;
    SameStructure(2, file, fixedParts);
    if (lines->size() < static_cast<std::size_t>(kLastFixedProfession))
      c_.Report(file, 0,
                std::to_string(lines->size()) + " professions; the professions screen links lines 32 to " +
                    std::to_string(kLastFixedProfession) + " to other studies");
  }

  void LongPhrases(const std::string &lang, bool cas) {
    const std::string file = lang + "fralargas";
    auto lines = c_.Lines(file);
    if (!lines) return void(complete_ = false);
    c_.AtMostLines(file, *lines, kMaxLong);
    c_.AtMostWidth(file, *lines, 134);
    std::vector<std::string> fixedParts;
    std::vector<std::array<std::string, 4>> phrases;
    for (std::size_t i = 0; i < lines->size(); ++i) {
      const int line = static_cast<int>(i) + 1;
      const std::string &l = (*lines)[i];
      if (core::TrimBlanks(Cut(l, 0, 115)).empty()) c_.Report(file, line, "the phrase has no text");
      std::array<std::string, 4> codes;
      bool any = false;
      for (std::size_t k = 0; k < 4; ++k) {
        codes[k] = Cut(l, 115 + 5 * k, 4);
        Code(file, line, codes[k], true, ("code " + std::to_string(k + 1)).c_str());
        any = any || codes[k] != kBlank;
      }
      if (!any) c_.Report(file, line, "the phrase names no activity (characters 116-134)");
      fixedParts.push_back(codes[0] + codes[1] + codes[2] + codes[3]);
      phrases.push_back(codes);
    }
    if (cas) longs_ = phrases;
    SameStructure(3, file, fixedParts);
  }

  void Language(const std::string &lang) {
    const bool cas = lang == kLanguages[0];
    Activities(lang, cas);  // first: the others name its codes
    ShortPhrases(lang, cas);
    Professions(lang, cas);
    LongPhrases(lang, cas);
  }

  // Phrases no profession names, and activities no long phrase names or no
  // profession has, are never shown.
  void Reachable() {
    std::set<int> named;
    std::set<std::string> withProfession;
    for (const Profession &p : professions_) {
      named.insert(p.phrase1);
      named.insert(p.phrase2);
      withProfession.insert(p.code1);
      withProfession.insert(p.code2);
    }
    for (std::size_t n = 1; n <= shorts_.size(); ++n)
      if (!named.count(static_cast<int>(n)))
        c_.Report("cas/fracortas", static_cast<int>(n), "no profession names this phrase: it is never shown");
    std::set<std::string> asked;
    for (const auto &codes : longs_) asked.insert(codes.begin(), codes.end());
    for (std::size_t i = 0; i < codes_.size(); ++i) {
      if (!asked.count(codes_[i]))
        c_.Report("cas/activida", static_cast<int>(i) + 1, "no long phrase names this activity");
      if (!withProfession.count(codes_[i]))
        c_.Report("cas/activida", static_cast<int>(i) + 1, "no profession has this activity");
    }
  }

  // The short phrases gathered for a choice of long phrases, as the screen
  // gathers them (phrase numbers of the professions whose first or second
  // code is chosen).
  std::set<int> Gathered(const std::vector<std::size_t> &chosen) const {
    std::set<std::string> codes;
    for (std::size_t i : chosen)
      for (const std::string &code : longs_[i])
        if (code != kBlank) codes.insert(code);
    std::set<int> phrases;
    for (const Profession &p : professions_)
      if (codes.count(p.code1) || codes.count(p.code2))
        for (int n : {p.phrase1, p.phrase2})
          if (n > 0) phrases.insert(n);
    return phrases;
  }

  // Every choice of 1 to 3 long phrases must fit the four pages.
  void Pages() {
    std::size_t worst = 0;
    std::vector<std::size_t> worstChoice;
    std::vector<std::size_t> choice;
    auto visit = [&](auto &&self, std::size_t from) -> void {
      if (!choice.empty()) {
        std::size_t n = Gathered(choice).size();
        if (n > worst) worst = n, worstChoice = choice;
      }
      if (choice.size() == kMaxChosenLong) return;
      for (std::size_t i = from; i < longs_.size(); ++i) {
        choice.push_back(i);
        self(self, i + 1);
        choice.pop_back();
      }
    };
    visit(visit, 0);
    if (worst <= kMaxOnPages) return;
    std::string lines;
    for (std::size_t i : worstChoice) lines += (lines.empty() ? "" : ", ") + std::to_string(i + 1);
    c_.Report("cas/fralargas", static_cast<int>(worstChoice.front()) + 1,
              "choosing long phrases " + lines + " gathers " + std::to_string(worst) +
                  " short phrases; the four pages hold " + std::to_string(kMaxOnPages));
  }

  // The fixed links of professions 32..53 name lines of otros.
  void FixedLinks() {
    for (const char *lang : kLanguages) {
      auto otros = c_.Lines(std::string(lang) + "otros", false);
      if (!otros) continue;  // reported by the checks of the other studies
      for (const auto *links : {&kFixedOtros, &kPrintedOtros})
        for (const auto &[profession, lines] : *links)
          for (int l : lines)
            if (l > static_cast<int>(otros->size()) || core::TrimBlanks((*otros)[l - 1]).empty())
              c_.Report(std::string(lang) + "profesio", profession,
                        "the profession is linked to otros line " + std::to_string(l) + ", which is empty or missing");
    }
  }

  // Profession numbers in the relation rows of one file, columns [first, last].
  void CountLinks(const std::string &file, std::size_t first, std::size_t last, std::vector<std::size_t> &counts) {
    auto lines = c_.Lines(file, false);
    if (!lines) return;  // reported by the checks of its part
    for (const std::string &row : *lines) {
      core::TArreglo f = core::SplitFields(row, ';');
      for (std::size_t col = first; col <= last && col < f.size(); ++col) {
        int p = 0;
        if (core::ParseInt(core::TrimBlanks(f[col]), p) && p >= 1 && p <= static_cast<int>(counts.size()))
          ++counts[static_cast<std::size_t>(p - 1)];
      }
    }
  }

  // The studies of a profession are listed in at most 30 lines, 50 per kind.
  void StudyLines() {
    struct Kind {
      const char *file;
      std::size_t first, last;
    };
    const Kind kinds[] = {{"datgradosphp", 4, 7}, {"datfpsphp", 17, 22}, {"datfpmphp", 0, 2}};
    const std::size_t n = professions_.size();
    std::vector<std::size_t> total(n, 0);
    for (const Kind &k : kinds) {
      std::vector<std::size_t> counts(n, 0);
      CountLinks(k.file, k.first, k.last, counts);
      for (std::size_t p = 0; p < n; ++p) {
        if (counts[p] > kMaxStudiesPerList)
          c_.Report("cas/profesio", static_cast<int>(p) + 1,
                    std::to_string(counts[p]) + " studies of " + k.file + " lead to this profession; at most " +
                        std::to_string(kMaxStudiesPerList) + " are kept");
        if (counts[p] > 0) total[p] += 1 + counts[p];  // a heading and the names
      }
    }
    for (const auto &[profession, lines] : kFixedOtros)
      if (static_cast<std::size_t>(profession) <= n) total[profession - 1] += 1 + lines.size();
    for (int special : {52, 53})
      if (static_cast<std::size_t>(special) <= n) total[special - 1] += 2;
    for (std::size_t p = 0; p < n; ++p)
      if (total[p] > kMaxStudyLines)
        c_.Report("cas/profesio", static_cast<int>(p) + 1,
                  "its studies take " + std::to_string(total[p]) + " lines; the list shows " +
                      std::to_string(kMaxStudyLines));
  }
};

}  // namespace

void CheckProfessions(Checker &c) { ProfessionFiles(c).Run(); }

}  // namespace validate
