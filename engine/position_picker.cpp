// Picks the k-th remaining position out of 0..n-1 and takes it away.
#include "engine/position_picker.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>

namespace lotwheel {
namespace {

constexpr int32_t kWordBits = 64;
constexpr uint64_t kOnes = 0x0101010101010101;   // 1 in every byte
constexpr uint64_t kHighs = 0x8080808080808080;  // the top bit of every byte

// kSelectInByte[b][r]: the place of the set bit of b with r set bits below
// it (8 when there is none).
constexpr auto kSelectInByte = [] {
  std::array<std::array<uint8_t, 8>, 256> table{};
  for (int b = 0; b < 256; ++b) {
    int found = 0;
    for (auto& place : table[static_cast<size_t>(b)]) place = 8;
    for (int bit = 0; bit < 8; ++bit) {
      if ((b >> bit) & 1) {
        table[static_cast<size_t>(b)][static_cast<size_t>(found++)] =
            static_cast<uint8_t>(bit);
      }
    }
  }
  return table;
}();

// The place of the set bit of `bits` that has `rank` set bits below it.
// Without a branch whose way depends on the data: the bits of every byte
// are counted at once, the byte is found by comparing the running counts
// with rank in all bytes together, and a table finishes inside the byte.
// A mispredicted branch here would stall the next pick's descent, which
// otherwise overlaps this one.
int32_t SelectBit(uint64_t bits, int32_t rank) {
  uint64_t counts = bits - ((bits >> 1) & 0x5555555555555555);
  counts = (counts & 0x3333333333333333) + ((counts >> 2) & 0x3333333333333333);
  counts = (counts + (counts >> 4)) & 0x0F0F0F0F0F0F0F0F;
  const uint64_t running = counts * kOnes;  // byte k: bits in bytes 0..k
  // Top bit set in byte k when its running count is rank or less; no byte
  // exceeds 64, so the subtraction never borrows across bytes.
  const uint64_t at_most =
      ((static_cast<uint64_t>(rank) * kOnes) | kHighs) - running;
  const auto byte =
      static_cast<int32_t>((((at_most & kHighs) >> 7) * kOnes) >> 56);
  // The running count before that byte; byte 0 shifts in a zero.
  const auto before =
      static_cast<int32_t>(((running << 8) >> (8 * byte)) & 0xFF);
  const auto byte_bits = static_cast<size_t>((bits >> (8 * byte)) & 0xFF);
  return 8 * byte +
         kSelectInByte[byte_bits][static_cast<size_t>(rank - before)];
}

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
  uint64_t& bits = words_[static_cast<size_t>(word)];
  const int32_t bit = SelectBit(bits, rank);
  bits &= ~(uint64_t{1} << bit);
  --remaining_;
  return word * kWordBits + bit;
}

}  // namespace lotwheel
