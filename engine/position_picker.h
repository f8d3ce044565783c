// Picks the k-th remaining position out of 0..n-1 and takes it away, in
// logarithmic time, so that a draw never shifts the list it draws from.
#pragma once

#include <cstdint>
#include <vector>

namespace lotwheel {

class PositionPicker final {
 public:
  // All positions 0..count-1 start out remaining; count is at most 65,535.
  explicit PositionPicker(int32_t count);

  int32_t Remaining() const { return remaining_; }
  // Takes away the position that stands at rank (0-based) among those still
  // remaining, in their original order, and returns it.
  // Requires 0 <= rank < Remaining().
  int32_t Take(int32_t rank);

 private:
  // Positions are kept as bits, 64 to a word; a Fenwick tree over the words
  // (1-based: tree_[j] counts the remaining positions in words
  // (j - lowbit(j), j]) finds the word, the word's bits the position. The
  // tree stays small enough for the fastest cache.
  std::vector<uint64_t> words_;
  std::vector<uint16_t> tree_;
  int32_t top_step_ = 0;  // half the tree's size, where the descent starts
  int32_t remaining_ = 0;
};

}  // namespace lotwheel
