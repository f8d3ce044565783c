// Picks the k-th remaining position out of 0..n-1 and takes it away.
#include "engine/position_picker.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>

namespace lotwheel {
namespace {

constexpr int32_t kWordBits = 64;

}  // namespace

PositionPicker::PositionPicker(int32_t count) : remaining_(count) {
  const int32_t word_count = (count + kWordBits - 1) / kWordBits;
  words_.assign(static_cast<size_t>(word_count), ~uint64_t{0});
  if (count % kWordBits != 0) {
    words_.back() = (uint64_t{1} << (count % kWordBits)) - 1;
  }
  // Nodes 1..size-1 with size a power of two above the word count, so that
  // the descent needs no bounds check; words past the end count nothing.
  const auto size = std::bit_ceil(static_cast<uint32_t>(word_count) + 1);
  tree_.resize(size);
  top_step_ = static_cast<int32_t>(size / 2);
  for (int32_t j = 1; j < static_cast<int32_t>(size); ++j) {
    const int32_t first_position = (j - (j & -j)) * kWordBits;
    const int32_t end_position = std::min(j * kWordBits, count);
    tree_[static_cast<size_t>(j)] =
        static_cast<uint16_t>(std::max(0, end_position - first_position));
  }
}

int32_t PositionPicker::Take(int32_t rank) {
  assert(rank >= 0 && rank < remaining_);
  // Descends from the top. Every node the descent looks at but does not step
  // over spans the word it ends on, and those are exactly the nodes that
  // count it, so they are taken down on the way: one pass, no second walk.
  // Written with masks rather than branches: which way it goes is a coin
  // toss at each level, which a branch predictor can only lose.
  int32_t word = 0;
  for (int32_t step = top_step_; step > 0; step /= 2) {
    uint16_t& node = tree_[static_cast<size_t>(word + step)];
    const int32_t span = node;
    const int32_t over = -static_cast<int32_t>(span <= rank);  // 0 or ~0
    rank -= span & over;
    word += step & over;
    node = static_cast<uint16_t>(span + ~over);  // one less unless stepped
  }
  // Within the word: drop the lower set bits, then take the lowest left.
  uint64_t& bits = words_[static_cast<size_t>(word)];
  uint64_t rest = bits;
  for (; rank > 0; --rank) rest &= rest - 1;
  const int bit = std::countr_zero(rest);
  bits &= ~(uint64_t{1} << bit);
  --remaining_;
  return word * kWordBits + bit;
}

}  // namespace lotwheel
