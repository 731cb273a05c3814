// Fixed-capacity tables of the store. Capacities are limits of the data
// model: nothing grows at run time, and every index is checked.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// A list of text slots numbered 0..capacity; every slot keeps at most
// slotLength characters.
class TextList {
 public:
  TextList(int capacity, int slotLength)
      : slots_(static_cast<std::size_t>(capacity) + 1), slotLength_(slotLength) {}

  int capacity() const { return static_cast<int>(slots_.size()) - 1; }
  int slotLength() const { return slotLength_; }
  int count = 0;

  const std::string& operator[](int i) const { return slots_.at(static_cast<std::size_t>(i)); }
  void Set(int i, std::string_view text) {
    slots_.at(static_cast<std::size_t>(i)).assign(text.substr(0, static_cast<std::size_t>(slotLength_)));
  }
  void Clear() {
    for (auto& s : slots_) s.clear();
    count = 0;
  }
  const std::vector<std::string>& all() const { return slots_; }

 private:
  std::vector<std::string> slots_;
  int slotLength_;
};

// Rows numbered 1..rows, columns 0..cols-1.
template <typename T>
class Matrix {
 public:
  Matrix(int rows, int cols)
      : rows_(rows), cols_(cols), cells_(static_cast<std::size_t>(rows + 1) * static_cast<std::size_t>(cols)) {}
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  T& at(int r, int c) { return cells_.at(Index(r, c)); }
  T at(int r, int c) const { return cells_.at(Index(r, c)); }
  void ClearRow(int r) {
    for (int c = 0; c < cols_; ++c) at(r, c) = T{};
  }
  void Clear() { std::fill(cells_.begin(), cells_.end(), T{}); }

 private:
  std::size_t Index(int r, int c) const {
    if (r < 0 || r > rows_ || c < 0 || c >= cols_) return cells_.size();  // at() throws
    return static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(c);
  }
  int rows_, cols_;
  std::vector<T> cells_;
};

using IntMatrix = Matrix<int>;
using ByteMatrix = Matrix<std::uint8_t>;

// Groups of lines: group g (1-based) holds entries 0..perGroup-1.
class GroupTable {
 public:
  GroupTable(int groups, int slotsPerGroup, int slotLength)
      : groups_(groups), perGroup_(slotsPerGroup), slots_(static_cast<std::size_t>(groups + 1) * slotsPerGroup),
        slotLength_(slotLength), sizes_(static_cast<std::size_t>(groups) + 1, 0) {}
  int groups() const { return groups_; }
  int slotsPerGroup() const { return perGroup_; }
  int count = 0;  // groups read
  int size(int g) const { return sizes_.at(static_cast<std::size_t>(g)); }
  const std::string& at(int g, int i) const { return slots_.at(Index(g, i)); }
  void Set(int g, int i, std::string_view text) {
    slots_.at(Index(g, i)).assign(text.substr(0, static_cast<std::size_t>(slotLength_)));
    if (i + 1 > sizes_.at(static_cast<std::size_t>(g))) sizes_[static_cast<std::size_t>(g)] = i + 1;
  }
  void Clear() {
    for (auto& s : slots_) s.clear();
    std::fill(sizes_.begin(), sizes_.end(), 0);
    count = 0;
  }

 private:
  std::size_t Index(int g, int i) const {
    if (g < 1 || g > groups_ || i < 0 || i >= perGroup_) return slots_.size();
    return static_cast<std::size_t>(g) * perGroup_ + static_cast<std::size_t>(i);
  }
  int groups_, perGroup_;
  std::vector<std::string> slots_;
  int slotLength_;
  std::vector<int> sizes_;
};

}  // namespace core
