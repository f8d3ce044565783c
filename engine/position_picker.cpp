// Picks the k-th remaining position out of 0..n-1 and takes it away.
#include "engine/position_picker.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

constexpr int32_t kMaxCount = 32767;
constexpr int32_t kWordsPerBlock = 32;
constexpr int32_t kBlockBits = kWordsPerBlock * kWordBits;
static_assert(PositionPicker::kBlocks * kBlockBits > kMaxCount);

#if defined(__SSE2__)
// Part q of a row, eight counts. No count passes 32,767, so signed 16-bit
// compares order them.
__m128i Part(const int16_t* row, int q) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(row) + q);
}

// The last slot of a row of running counts that has not passed rank, where
// the position at rank lies; one position less there, so every count past
// rank drops by one. The counts only grow along the row, so those past rank
// are its tail and the slot is the one before. The row's new counts depend
// on the old ones by a compare and an add alone: the next pick, which
// waits for them, need not wait for the slot to be found.
template <int32_t kLength>
int32_t TakeFromRow(int16_t* row, int32_t rank) {
  const __m128i r = _mm_set1_epi16(static_cast<int16_t>(rank));
  uint64_t above = uint64_t{1} << kLength;
  for (int q = 0; q < kLength / 8; q += 2) {
    const __m128i low = Part(row, q);
    const __m128i high = Part(row, q + 1);
    const __m128i low_above = _mm_cmpgt_epi16(low, r);
    const __m128i high_above = _mm_cmpgt_epi16(high, r);
    auto* to = reinterpret_cast<__m128i*>(row) + q;
    _mm_storeu_si128(to, _mm_add_epi16(low, low_above));  // all ones: -1
    _mm_storeu_si128(to + 1, _mm_add_epi16(high, high_above));
    above |= static_cast<uint64_t>(
                 _mm_movemask_epi8(_mm_packs_epi16(low_above, high_above)))
             << (8 * q);
  }
  return std::countr_zero(above) - 1;
}
#else
template <int32_t kLength>
int32_t TakeFromRow(int16_t* row, int32_t rank) {
  int32_t at_most = 0;
  for (int32_t j = 0; j < kLength; ++j) {
    if (row[j] > rank) {
      --row[j];
    } else {
      ++at_most;
    }
  }
  return at_most - 1;
}
#endif

}  // namespace

PositionPicker::PositionPicker(int32_t count) : remaining_(count) {
  assert(count >= 0 && count <= kMaxCount);
  const int32_t word_count = (count + kWordBits - 1) / kWordBits;
  words_.assign(static_cast<size_t>(word_count), ~uint64_t{0});
  if (count % kWordBits != 0) {
    words_.back() = (uint64_t{1} << (count % kWordBits)) - 1;
  }
  const int32_t block_count =
      (word_count + kWordsPerBlock - 1) / kWordsPerBlock;
  word_starts_.resize(static_cast<size_t>(block_count * kWordsPerBlock));
  for (int32_t b = 0; b < kBlocks; ++b) {
    block_starts_[static_cast<size_t>(b)] =
        static_cast<int16_t>(std::min(b * kBlockBits, count));
  }
  for (int32_t b = 0; b < block_count; ++b) {
    const int32_t block_end = std::min((b + 1) * kBlockBits, count);
    for (int32_t w = 0; w < kWordsPerBlock; ++w) {
      const int32_t start = std::min(b * kBlockBits + w * kWordBits, block_end);
      word_starts_[static_cast<size_t>(b * kWordsPerBlock + w)] =
          static_cast<int16_t>(start - b * kBlockBits);
    }
  }
}

int32_t PositionPicker::Take(int32_t rank) {
  assert(rank >= 0 && rank < remaining_);
  // A slot at or below rank keeps its count, so it can be read after.
  const int32_t block = TakeFromRow<kBlocks>(block_starts_.data(), rank);
  rank -= block_starts_[static_cast<size_t>(block)];
  int16_t* row =
      word_starts_.data() + static_cast<ptrdiff_t>(block * kWordsPerBlock);
  const int32_t word_in_block = TakeFromRow<kWordsPerBlock>(row, rank);
  rank -= row[word_in_block];
  const int32_t word = block * kWordsPerBlock + word_in_block;
  uint64_t& bits = words_[static_cast<size_t>(word)];
  const int32_t bit = SelectBit(bits, rank);
  bits &= ~(uint64_t{1} << bit);
  --remaining_;
  return word * kWordBits + bit;
}

}  // namespace lotwheel
