// Checks of otros, asignaot and master.txt; the arts files (artesplas,
// musica, danza, dramatico) are checked in other_arts.cpp.
#include <algorithm>

#include "checks.h"
#include "core/text.h"

namespace validate {

void CheckArtsStudies(Checker& c);  // other_arts.cpp

namespace {

constexpr std::size_t kListWidth = 55;      // the other studies list is read 55 characters wide
constexpr std::size_t kSubjectWidth = 60;   // subject lines are 60-character slots
constexpr std::size_t kGroupLines = 51;     // a header line and 50 subject lines
constexpr std::size_t kSubjectSlots = 50;
constexpr std::size_t kSubjectGroups = 50;  // the program holds 50 groups, so 50 studies at most
constexpr std::size_t kSubjectFileLines = 2512;
constexpr std::size_t kBlankColumns = 16;   // two lines blank over these columns end a list

// Lines that the professions questionnaire shows and prints as studies.
constexpr int kStudiesNamedByNumber[] = {5, 6, 7, 8, 9, 49, 50};
constexpr int kRegistryLine = 3;            // a click on it opens the registry of centres

// What a click on a line of the list does, as the screen decides it.
enum class Kind { Heading, Note, Courses, Centres, Registry, Study };

const char* KindName(Kind k) {
  switch (k) {
    case Kind::Heading: return "a heading";
    case Kind::Note: return "a plain note";
    case Kind::Courses: return "the training-courses link";
    case Kind::Centres: return "the study-centres link";
    case Kind::Registry: return "the registry link";
    case Kind::Study: return "a study";
  }
  return "";
}

Kind KindOf(int n, const std::string& line) {
  if (n == kRegistryLine) return Kind::Registry;
  const std::string padded = core::PadToWidth(line, static_cast<int>(kListWidth));
  if (padded[0] == '-') return Kind::Heading;
  const std::string start = padded.substr(0, 3);
  if (start == "   ") return Kind::Note;
  if (start == "  1") return Kind::Courses;
  if (start == "  2") return Kind::Centres;
  return Kind::Study;
}

bool BlankStart(const std::string& line) {
  return core::PadToWidth(line, static_cast<int>(kSubjectWidth)).compare(0, kBlankColumns,
                                                                           std::string(kBlankColumns, ' ')) == 0;
}

std::vector<Kind> CheckList(Checker& c, const std::string& file, const std::vector<std::string>& lines) {
  if (lines.size() > kSubjectGroups)
    c.Report(file, static_cast<int>(kSubjectGroups) + 1,
             std::to_string(lines.size()) + " lines, more than the 50 subject groups the program holds");
  c.AtMostWidth(file, lines, kListWidth);
  std::vector<Kind> kinds;
  for (std::size_t n = 1; n <= lines.size(); ++n) kinds.push_back(KindOf(static_cast<int>(n), lines[n - 1]));
  if (lines.size() < static_cast<std::size_t>(kRegistryLine))
    c.Report(file, 0, "no line 3: the screen opens the registry of education centres from it");
  for (int n : kStudiesNamedByNumber) {
    if (static_cast<std::size_t>(n) > lines.size())
      c.Report(file, 0, "no line " + std::to_string(n) + ": the professions questionnaire names it as a study");
    else if (kinds[static_cast<std::size_t>(n - 1)] != Kind::Study)
      c.Report(file, n, std::string("the professions questionnaire names this line as a study, but it is ") +
                            KindName(kinds[static_cast<std::size_t>(n - 1)]));
  }
  return kinds;
}

// The subject groups as the screen cuts them: for group g, the number of
// lines shown (its list ends before two lines blank over 16 columns).
std::vector<std::size_t> CheckSubjects(Checker& c, const std::string& file, const std::vector<std::string>& lines) {
  c.AtMostLines(file, lines, kSubjectFileLines);
  std::vector<std::size_t> shown;
  for (std::size_t header = 0; header < lines.size(); header += kGroupLines) {
    const std::size_t first = header + 1;  // 0-based index of the group's first subject line
    const std::size_t last = std::min(header + kSubjectSlots, lines.size() - 1);
    std::size_t end = last + 1;            // index just past the list
    for (std::size_t i = first; i + 1 <= last; ++i)
      if (BlankStart(lines[i]) && BlankStart(lines[i + 1])) {
        end = i;
        break;
      }
    const std::size_t groupNumber = header / kGroupLines + 1;
    if (end == last + 1 && last - header < kSubjectSlots)
      c.Report(file, static_cast<int>(lines.size()),
               "the file ends inside group " + std::to_string(groupNumber) +
                   " before the two blank lines that end its list");
    for (std::size_t i = first; i < end; ++i)
      if (Checker::ShownLength(lines[i]) > kSubjectWidth)
        c.Report(file, static_cast<int>(i) + 1, "longer than the 60 characters shown");
    for (std::size_t i = end; i <= last; ++i)
      if (core::TrimBlanks(lines[i]).size() > 0) {
        c.Report(file, static_cast<int>(i) + 1, "never shown: the list of group " + std::to_string(groupNumber) +
                                                    " ends at the two blank lines above");
        break;
      }
    shown.push_back(end - first);
  }
  return shown;
}

// Line k of the list opens group k of the subjects.
void CrossCheck(Checker& c, const std::string& lang, const std::vector<Kind>& kinds,
                const std::vector<std::size_t>& shown) {
  for (std::size_t k = 1; k <= kinds.size(); ++k)
    if (kinds[k - 1] == Kind::Study && (k > shown.size() || shown[k - 1] == 0))
      c.Report(lang + "otros", static_cast<int>(k),
               "a click shows subject group " + std::to_string(k) + " of asignaot, which is " +
                   (k > shown.size() ? "missing" : "empty"));
  for (std::size_t g = kinds.size() + 1; g <= shown.size(); ++g)
    c.Report(lang + "asignaot", static_cast<int>((g - 1) * kGroupLines + 1),
             "group " + std::to_string(g) + " belongs to no line of otros");
}

// The four languages must agree line by line on what each line is; a
// difference is reported at the first line where it shows.
template <typename T, typename LineOf>
void SameShape(Checker& c, const std::string& file, const std::vector<T>& reference, const std::vector<T>& shape,
               const std::string& what, LineOf lineOf) {
  const std::size_t common = std::min(shape.size(), reference.size());
  for (std::size_t i = 0; i < common; ++i)
    if (shape[i] != reference[i]) {
      c.Report(file, lineOf(i), "the " + what + " differs from the same line in cas/");
      return;
    }
  if (shape.size() != reference.size())
    c.Report(file, lineOf(common), std::to_string(shape.size()) + " " + what + "s where cas/ has " +
                                       std::to_string(reference.size()));
}

int LineOfIndex(std::size_t i) { return static_cast<int>(i) + 1; }
int HeaderOfGroup(std::size_t g) { return static_cast<int>(g * kGroupLines) + 1; }

void CheckListAndSubjects(Checker& c) {
  std::vector<Kind> referenceKinds;
  std::vector<std::size_t> referenceShown;
  bool first = true;
  for (const char* lang : kLanguages) {
    auto list = c.Lines(std::string(lang) + "otros");
    auto subjects = c.Lines(std::string(lang) + "asignaot");
    std::vector<Kind> kinds;
    std::vector<std::size_t> shown;
    if (list) kinds = CheckList(c, std::string(lang) + "otros", *list);
    if (subjects) shown = CheckSubjects(c, std::string(lang) + "asignaot", *subjects);
    if (list && subjects) CrossCheck(c, lang, kinds, shown);
    if (!list || !subjects) continue;
    if (first) {
      referenceKinds = kinds, referenceShown = shown, first = false;
      continue;
    }
    SameShape(c, std::string(lang) + "otros", referenceKinds, kinds, "kind of line", LineOfIndex);
    SameShape(c, std::string(lang) + "asignaot", referenceShown, shown, "length of the subject list",
              HeaderOfGroup);
  }
}

// master.txt: "*" bullets whose text starts at column 3, "-" headings, plain lines.
std::vector<char> CheckMasters(Checker& c, const std::string& file, const std::vector<std::string>& lines) {
  std::vector<char> kinds;
  bool written = false;
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    const std::string& line = lines[n - 1];
    const char kind = line.empty() ? ' ' : (line[0] == '*' || line[0] == '-' ? line[0] : 'p');
    kinds.push_back(kind);
    written = written || !core::TrimBlanks(line).empty();
    if (kind == '*' && (line.size() < 3 || line[1] != ' ' || core::TrimBlanks(line.substr(2)).empty()))
      c.Report(file, static_cast<int>(n), "a bullet is \"* \" and its text from column 3");
    if (kind == '-' && core::TrimBlanks(line.substr(1)).empty())
      c.Report(file, static_cast<int>(n), "a heading without text");
  }
  if (!written) c.Report(file, 0, "the masters text is empty");
  return kinds;
}

void CheckMastersText(Checker& c) {
  std::vector<char> reference;
  bool first = true;
  for (const char* lang : kLanguages) {
    const std::string file = std::string(lang) + "master.txt";
    auto lines = c.Lines(file);
    if (!lines) continue;
    std::vector<char> kinds = CheckMasters(c, file, *lines);
    if (first) reference = kinds, first = false;
    else SameShape(c, file, reference, kinds, "kind of line", LineOfIndex);
  }
}

}  // namespace

void CheckOtherStudies(Checker& c) {
  CheckListAndSubjects(c);
  CheckMastersText(c);
  CheckArtsStudies(c);
}

}  // namespace validate
