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
  // Blocks of 32 words of 64 positions: enough for 32,767.
  static constexpr int32_t kBlocks = 16;

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
    for (size_t w = 0; w < words_.size(); ++w) {
      for (uint64_t bits = words_[w]; bits != 0; bits &= bits - 1) {
        visit(static_cast<int32_t>(w * 64) + std::countr_zero(bits));
      }
    }
  }

 private:
  // Positions are kept as bits, 64 to a word, and the words in blocks of
  // 32. Two levels of running counts find the word: block_starts_[b]
  // counts the remaining positions in the blocks before b, and
  // word_starts_[b * 32 + w] those in block b's words before w. Slots past
  // the end hold the total of their level, so they are never chosen. A pick
  // compares and updates one row of counts at each level, a few vector
  // instructions without a branch, where a tree's descent waits for a load
  // at each of its levels; the picks of a draw then overlap in the core.
  std::vector<uint64_t> words_;
  std::array<int16_t, kBlocks> block_starts_{};
  std::vector<int16_t> word_starts_;
  int32_t remaining_ = 0;
};

}  // namespace lotwheel
