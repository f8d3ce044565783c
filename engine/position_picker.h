// Picks the k-th remaining position out of 0..n-1 and takes it away, in
// a few dozen instructions, so that a draw never shifts the list it draws from.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lotwheel {

class PositionPicker final {
 public:
  // All positions 0..count-1 start out remaining; count is at most 32,767.
  explicit PositionPicker(int32_t count);

  int32_t Remaining() const { return remaining_; }
  // Takes away the position that stands at rank (0-based) among those still
  // remaining, in their original order, and returns it.
  // Requires 0 <= rank < Remaining().
  int32_t Take(int32_t rank);
  // Calls visit(position) for every position still remaining, in order.
  template <typename Visit>
  void ForEachRemaining(Visit visit) const {
    for (size_t b = 0; b < bytes_.size(); ++b) {
      for (unsigned bits = bytes_[b]; bits != 0; bits &= bits - 1) {
        visit(static_cast<int32_t>(b * 8) + std::countr_zero(bits));
      }
    }
  }

  // Each node of the tree has this many children, and the tree this many
  // levels of nodes above the bytes of positions.
  static constexpr int32_t kFanOut = 8;
  static constexpr int32_t kLevels = 4;

 private:
  // Positions are bits, eight to a byte, and the bytes the leaves of a tree
  // in which each node has eight children: 8^4 bytes of 8 bits hold 32,768.
  // Every node keeps a row of eight running counts, the positions remaining
  // in its children before each one; a child past the end counts as empty,
  // so its slot holds the node's total and is never chosen. A pick compares
  // one row with rank at each level and takes one from the counts past it,
  // all in one vector register without a branch, then finds the bit in its
  // byte from a table.
  std::vector<int16_t> rows_;  // the root's row, then each level's in order
  std::vector<uint8_t> bytes_;
  int32_t remaining_ = 0;
};

}  // namespace lotwheel
