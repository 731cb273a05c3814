#include "readers.h"

#include <optional>
#include <vector>

#include "globals.h"
#include "services.h"
#include "text.h"
#include "textfile.h"

namespace core {
namespace {

using Lines = std::vector<std::string>;

enum class Check { Checked, Unchecked };

std::optional<Lines> Open(const std::string& path, Check check) {
  auto lines = ReadLines(path);
  if (!lines) {
    ShowMessage(MissingFileMessage(path));
    if (check == Check::Checked) G().LoadFailed = true;
  }
  return lines;
}

// Reports a fault at a line of a file; a checked reader also stops the start.
bool Fault(const std::string& path, int line, const std::string& problemUtf8, Check check) {
  ShowMessage(BadFileMessage(path, line, Utf8ToCp1252(problemUtf8)));
  if (check == Check::Checked) G().LoadFailed = true;
  return false;
}

bool TooManyLines(const std::string& path, const Lines& lines, int capacity, Check check) {
  if (static_cast<int>(lines.size()) <= capacity) return false;
  Fault(path, capacity + 1, "el fichero tiene más de " + std::to_string(capacity) + " líneas", check);
  return true;
}

int NumberOrZero(std::string_view text) {
  int v = 0;
  return ParseInt(text, v) ? v : 0;
}

// Integer fields of a ';' row; false (with the field's position) on a non-number.
bool IntFields(const std::string& line, std::vector<int>& values, std::size_t& badField) {
  TArreglo fields = SplitFields(line, ';');
  values.assign(fields.size(), 0);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!ParseInt(fields[i], values[i])) {
      badField = i + 1;
      return false;
    }
  }
  return true;
}

enum class RowKind { Counted, Flags };

// A counted row: field 0 says how many values follow. Flag rows do not store
// values of 0 or less. Returns an empty text when it is stored, else the problem.
template <typename M>
std::string StoreCountedRow(const std::string& line, M& matrix, int row, RowKind kind) {
  std::vector<int> v;
  std::size_t bad = 0;
  if (!IntFields(line, v, bad)) return "el campo " + std::to_string(bad) + " no es un número";
  int c = v[0];
  if (c < 0) return {};
  if (c + 1 > matrix.cols())
    return "la fila tiene " + std::to_string(c) + " valores (máximo " + std::to_string(matrix.cols() - 1) + ")";
  if (static_cast<int>(v.size()) < c + 1)
    return "la fila anuncia " + std::to_string(c) + " valores y tiene " + std::to_string(v.size() - 1);
  for (int col = 0; col <= c; ++col) {
    if (kind == RowKind::Flags && v[col] <= 0) continue;
    // Byte matrices keep the low 8 bits of a value.
    matrix.at(row, col) = static_cast<typename std::remove_reference_t<decltype(matrix.at(row, col))>>(v[col]);
  }
  return {};
}

bool ReadIntoLineBuffer(const std::string& path, Store& store, Lines& lines) {
  auto read = Open(path, Check::Unchecked);
  if (!read) return false;
  if (TooManyLines(path, *read, static_cast<int>(store.LineBuffer.size()) - 1, Check::Unchecked)) return false;
  lines = std::move(*read);
  for (std::size_t i = 0; i < lines.size(); ++i) store.LineBuffer[i + 1] = lines[i];
  store.LineCount = static_cast<int>(lines.size());
  return true;
}

}  // namespace

bool ReadPaddedList(const std::string& path, TextList& table, int w) {
  auto lines = Open(path, Check::Checked);
  if (!lines || TooManyLines(path, *lines, table.capacity(), Check::Checked)) return false;
  table.Set(0, path);
  for (std::size_t i = 0; i < lines->size(); ++i) table.Set(static_cast<int>(i) + 1, PadToWidth((*lines)[i], w));
  table.count = static_cast<int>(lines->size());
  return true;
}

bool ReadRawList(const std::string& path, TextList& table) {
  auto lines = Open(path, Check::Checked);
  if (!lines || TooManyLines(path, *lines, table.capacity(), Check::Checked)) return false;
  table.Set(0, path);
  for (std::size_t i = 0; i < lines->size(); ++i) table.Set(static_cast<int>(i) + 1, (*lines)[i]);
  table.count = static_cast<int>(lines->size());
  return true;
}

bool ReadWideList(const std::string& path, TextList& table, int w) {
  auto lines = Open(path, Check::Checked);
  if (!lines || TooManyLines(path, *lines, table.capacity() + 1, Check::Checked)) return false;
  for (std::size_t i = 0; i < lines->size(); ++i) table.Set(static_cast<int>(i), PadToWidth((*lines)[i], w));
  table.count = static_cast<int>(lines->size());
  return true;
}

bool ReadWideList120(const std::string& path, TextList& table) {
  auto lines = Open(path, Check::Unchecked);
  if (!lines || TooManyLines(path, *lines, table.capacity() + 1, Check::Unchecked)) return false;
  for (std::size_t i = 0; i < lines->size(); ++i) table.Set(static_cast<int>(i), PadToWidth((*lines)[i], StdWidth));
  table.count = static_cast<int>(lines->size());
  return true;
}

bool ReadMarkedList(const std::string& path, TextList& table, int* lineNumbers, int w) {
  auto lines = Open(path, Check::Checked);
  if (!lines) return false;
  int k = 0;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const std::string& line = (*lines)[i];
    if (line.empty() || line[0] != '-') continue;
    if (k + 1 > table.capacity())
      return Fault(path, static_cast<int>(i) + 1,
                   "hay más de " + std::to_string(table.capacity()) + " títulos marcados con '-'", Check::Checked);
    ++k;
    table.Set(k, PadToWidth(std::string_view(line).substr(1), w));
    lineNumbers[k - 1] = static_cast<int>(i) + 1;
  }
  table.count = k;
  return true;
}

bool ReadGroupedList(const std::string& path, GroupTable& groups, int /*expected*/, int k) {
  auto lines = Open(path, Check::Checked);
  if (!lines) return false;
  int maxLines = k == 26 ? 5012 : 2512;
  if (TooManyLines(path, *lines, maxLines, Check::Checked)) return false;
  int needed = (static_cast<int>(lines->size()) + k - 1) / k;
  if (needed > groups.groups())
    return Fault(path, groups.groups() * k + 1,
                 "el fichero tiene más de " + std::to_string(groups.groups()) + " grupos", Check::Checked);
  for (std::size_t i = 0; i < lines->size(); ++i) {
    int g = static_cast<int>(i) / k + 1;
    int pos = static_cast<int>(i) % k;
    if (pos == 0) continue;  // the group's header line
    groups.Set(g, pos - 1, PadToWidth((*lines)[i], StdWidth));
  }
  groups.count = needed;
  return true;
}

bool ReadAllLines(const std::string& path, Store& store) {
  Lines lines;
  return ReadIntoLineBuffer(path, store, lines);
}

bool ReadIntRows(const std::string& path, IntMatrix& matrix, int n, Store& store) {
  Lines lines;
  if (!ReadIntoLineBuffer(path, store, lines)) return false;
  if (TooManyLines(path, lines, matrix.rows(), Check::Unchecked)) return false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    int row = static_cast<int>(i) + 1;
    std::vector<int> v;
    std::size_t bad = 0;
    if (!IntFields(lines[i], v, bad))
      return Fault(path, row, "el campo " + std::to_string(bad) + " no es un número", Check::Unchecked);
    if (static_cast<int>(v.size()) < n)
      return Fault(path, row,
                   "la fila tiene " + std::to_string(v.size()) + " campos y necesita " + std::to_string(n),
                   Check::Unchecked);
    matrix.ClearRow(row);
    for (int c = 0; c < n; ++c) matrix.at(row, c) = v[static_cast<std::size_t>(c)];
  }
  return true;
}

bool ReadBlockMatrices(const std::string& path, BlockMatrices& blocks, const std::array<int, 4>& counts,
                       Store& store) {
  Lines lines;
  if (!ReadIntoLineBuffer(path, store, lines)) return false;
  int expected = counts[0] + counts[1] + counts[2] + counts[3];
  if (static_cast<int>(lines.size()) > expected)
    return Fault(path, expected + 1,
                 "el fichero tiene más líneas (" + std::to_string(lines.size()) +
                     ") que lugares las cuatro listas (" + std::to_string(expected) + ")",
                 Check::Unchecked);
  int line = 0;
  for (int b = 0; b < 4; ++b) {
    for (int j = 1; j <= counts[b] && line < static_cast<int>(lines.size()); ++j, ++line) {
      if (j > blocks.m[b].rows())
        return Fault(path, line + 1, "el bloque tiene más de " + std::to_string(blocks.m[b].rows()) + " filas",
                     Check::Unchecked);
      std::string problem = StoreCountedRow(lines[line], blocks.m[b], j, RowKind::Counted);
      if (!problem.empty()) return Fault(path, line + 1, problem, Check::Unchecked);
    }
  }
  return true;
}

bool ReadFlagRows(const std::string& path, ByteMatrix& matrix, Store& store) {
  Lines lines;
  if (!ReadIntoLineBuffer(path, store, lines)) return false;
  if (TooManyLines(path, lines, matrix.rows(), Check::Unchecked)) return false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string problem = StoreCountedRow(lines[i], matrix, static_cast<int>(i) + 1, RowKind::Flags);
    if (!problem.empty()) return Fault(path, static_cast<int>(i) + 1, problem, Check::Unchecked);
  }
  return true;
}

bool ReadTripleBlockRows(const std::string& path, int degrees, DegreeOffers& offers, Store& store) {
  Lines lines;
  if (!ReadIntoLineBuffer(path, store, lines)) return false;
  if (degrees > DegreeOffers::kDegrees)
    return Fault(path, 0, "hay más de 350 grados en la lista de grados", Check::Unchecked);
  ByteMatrix* blocks[3] = {&offers.univ, &offers.mark, &offers.title};
  for (int b = 0; b < 3; ++b) {
    for (int r = 1; r <= degrees; ++r) {
      std::size_t index = static_cast<std::size_t>(b * degrees + r - 1);
      if (index >= lines.size()) break;
      std::string problem = StoreCountedRow(lines[index], *blocks[b], r, RowKind::Counted);
      if (!problem.empty()) return Fault(path, static_cast<int>(index) + 1, problem, Check::Unchecked);
    }
  }
  for (int r = 1; r <= degrees; ++r) {
    offers.distinct.ClearRow(r);
    int length = std::min<int>(offers.univ.at(r, 0), offers.title.cols() - 1);
    int taken = 0;
    for (int c = 1; c <= length; ++c) {
      int value = offers.title.at(r, c);
      if (value == 0) continue;
      bool seen = false;
      for (int t = 1; t <= taken && !seen; ++t) seen = offers.distinct.at(r, t) == value;
      if (seen) continue;
      if (taken + 1 >= offers.distinct.cols())
        return Fault(path, 2 * degrees + r, "el grado tiene más de 15 títulos distintos", Check::Unchecked);
      offers.distinct.at(r, ++taken) = static_cast<std::uint8_t>(value);
    }
    offers.distinct.at(r, 0) = static_cast<std::uint8_t>(taken);
    if (taken > 10) ShowMessage("fhfggh");
  }
  return true;
}

bool ReadCodedNames(const std::string& path, CodedNames& table, int w) {
  auto lines = Open(path, Check::Unchecked);
  if (!lines) return false;
  const int coded = 41;
  const int freeLines = static_cast<int>(lines->size()) - coded;
  if (freeLines > static_cast<int>(table.names.size()) - coded)
    return Fault(path, static_cast<int>(table.names.size()) + 1,
                 "el fichero tiene más de " + std::to_string(table.names.size()) + " líneas", Check::Unchecked);
  for (int i = 1; i <= static_cast<int>(lines->size()); ++i) {
    const std::string& line = (*lines)[static_cast<std::size_t>(i) - 1];
    if (i <= coded) {
      int code = 0;
      if (!ParseInt(Columns(line, 3, 2), code)) {
        ShowMessage("mal " + std::to_string(i));
        return false;
      }
      if (code < 1 || code > static_cast<int>(table.names.size()))
        return Fault(path, i, "el código " + std::to_string(code) + " está fuera de 1..60", Check::Unchecked);
      table.codes[static_cast<std::size_t>(i)] = code;
      table.names[static_cast<std::size_t>(code) - 1] = Columns(line, 5, static_cast<std::size_t>(w));
      table.prefixes[static_cast<std::size_t>(code) - 1] = Columns(line, 1, 2);
    } else {
      std::size_t slot = static_cast<std::size_t>(i) - 1;
      table.names[slot] = Columns(line, 3, static_cast<std::size_t>(w) + 10);
      table.prefixes[slot] = Columns(line, 1, 2);
    }
  }
  table.count = coded + std::max(freeLines, 0);
  return true;
}

bool ReadCodedGroups(const std::string& path, CodedGroups& table, int w) {
  auto lines = Open(path, Check::Unchecked);
  if (!lines) return false;
  const int capacity = static_cast<int>(table.names.size()) - 1;
  if (TooManyLines(path, *lines, capacity, Check::Unchecked)) return false;
  table.names[0].clear();
  for (int i = 1; i <= static_cast<int>(lines->size()); ++i) {
    const std::string& line = (*lines)[static_cast<std::size_t>(i) - 1];
    int group = 0;
    if (!ParseInt(Columns(line, 3, 2), group)) {
      ShowMessage("mal " + std::to_string(i - 1));
      return false;
    }
    table.group[static_cast<std::size_t>(i)] = group;
    table.names[static_cast<std::size_t>(i)] = Columns(line, 5, static_cast<std::size_t>(w));
    table.prefixes[static_cast<std::size_t>(i)] = Columns(line, 1, 2);
  }
  for (auto& m : table.members) m.fill(0);
  for (int i = 1; i <= static_cast<int>(lines->size()); ++i) {
    int g = table.group[static_cast<std::size_t>(i)];
    if (g < 1 || g > 28) continue;
    auto& members = table.members[static_cast<std::size_t>(g)];
    if (members[0] == 3) return Fault(path, i, "el grupo " + std::to_string(g) + " tiene más de 3 zonas", Check::Unchecked);
    members[static_cast<std::size_t>(++members[0])] = i;
  }
  table.count = static_cast<int>(lines->size());
  return true;
}

bool ReadPlaces(const std::string& path, Places& places) {
  auto lines = Open(path, Check::Unchecked);
  if (!lines || TooManyLines(path, *lines, places.names.capacity(), Check::Unchecked)) return false;
  places.names.Set(0, path);
  for (int i = 1; i <= static_cast<int>(lines->size()); ++i) {
    const std::string& line = (*lines)[static_cast<std::size_t>(i) - 1];
    places.codes[static_cast<std::size_t>(i) - 1] = NumberOrZero(Columns(line, 1, 2));
    places.names.Set(i, Columns(line, 3, 35));
    places.addresses.Set(i, TrimRightSpaces(Columns(line, 38, 100)));
  }
  places.count = static_cast<int>(lines->size());
  return true;
}

bool ReadRegionLinks(const std::string& path, TextList& links) {
  auto lines = Open(path, Check::Unchecked);
  if (!lines || TooManyLines(path, *lines, links.capacity() + 1, Check::Unchecked)) return false;
  for (std::size_t i = 0; i < lines->size(); ++i)
    links.Set(static_cast<int>(i), TrimRightSpaces(Columns((*lines)[i], 15, 100)));
  links.count = static_cast<int>(lines->size());
  return true;
}

int FindDegreeRow(const IntMatrix& degrees, int degreeCount, int key) {
  int n = std::min(degreeCount, degrees.rows());
  for (int r = 1; r <= n; ++r)
    if (degrees.at(r, 9) == key) return r;
  return 0;
}

bool ReadDoubleDegrees(const std::string& path, DoubleDegrees& d, const IntMatrix& degrees, int degreeCount) {
  auto lines = Open(path, Check::Checked);
  if (!lines) return false;
  d.titles.Set(0, path);
  int g = 0;
  int j = 0;
  for (int i = 1; i <= static_cast<int>(lines->size()); ++i) {
    const std::string& line = (*lines)[static_cast<std::size_t>(i) - 1];
    int code = 0;
    if (ParseInt(Columns(line, 1, 2), code)) {
      if (code < 1 || code > 99) continue;
      if (g + 1 > DoubleDegrees::kGroups)
        return Fault(path, i, "hay más de 199 grupos de dobles grados", Check::Checked);
      ++g;
      j = 0;
      d.groupCode[static_cast<std::size_t>(g)] = code;
      d.titles.Set(g, Columns(line, 3, 35));
      d.itemCount[static_cast<std::size_t>(g)] = 0;
      continue;
    }
    if (j + 1 > DoubleDegrees::kItems)
      return Fault(path, i, "el grupo tiene más de 50 dobles grados", Check::Checked);
    ++j;
    auto G_ = static_cast<std::size_t>(g);
    auto J = static_cast<std::size_t>(j);
    d.itemFlag[G_][J] = 0;
    int key = 0;
    if (ParseInt(Columns(line, 5, 3), key)) d.degreeA[G_][J] = FindDegreeRow(degrees, degreeCount, key);
    else ShowMessage("ERROR en fichero de dobles");
    if (ParseInt(Columns(line, 8, 3), key)) d.degreeB[G_][J] = FindDegreeRow(degrees, degreeCount, key);
    else ShowMessage("ERROR en fichero de dobles");
    std::string note = Columns(line, 11, 4);
    d.notes[G_][J] = IsBlank(note) ? " -  " : note;
    d.itemCount[G_] = j;
  }
  d.count = g;
  return true;
}

}  // namespace core
