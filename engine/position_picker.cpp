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

constexpr int32_t kFanOut = PositionPicker::kFanOut;
constexpr int32_t kLevels = PositionPicker::kLevels;
constexpr int32_t kMaxCount = 32767;

constexpr int32_t kLeafBits = 8;  // positions in a byte

using PerLevel = std::array<int32_t, kLevels>;
// For each level: how many nodes it has, how many rows the levels above it
// hold, and how many positions each child of one of its nodes holds.
constexpr PerLevel kNodes = [] {
  PerLevel nodes{};
  for (int32_t level = 0, n = 1; level < kLevels; ++level, n *= kFanOut) {
    nodes[static_cast<size_t>(level)] = n;
  }
  return nodes;
}();
constexpr PerLevel kFirstRow = [] {
  PerLevel first{};
  for (size_t level = 1; level < kLevels; ++level) {
    first[level] = first[level - 1] + kNodes[level - 1];
  }
  return first;
}();
constexpr int32_t kRows = kFirstRow.back() + kNodes.back();
constexpr PerLevel kChildSpan = [] {
  PerLevel span{};
  for (int32_t level = kLevels - 1, s = kLeafBits; level >= 0;
       --level, s *= kFanOut) {
    span[static_cast<size_t>(level)] = s;
  }
  return span;
}();
static_assert(kChildSpan[0] * kFanOut > kMaxCount);

#if defined(__SSE2__)
// The last slot of a row of eight running counts that has not passed rank,
// where the position at rank lies; one position less there, so every count
// past rank drops by one. The counts only grow along the row, so those past
// rank are its tail and the slot is the one before. No count passes 32,767,
// so signed 16-bit compares order them.
int32_t TakeFromRow(int16_t* row, int32_t rank) {
  auto* at = reinterpret_cast<__m128i*>(row);
  const __m128i counts = _mm_loadu_si128(at);
  const __m128i above =
      _mm_cmpgt_epi16(counts, _mm_set1_epi16(static_cast<int16_t>(rank)));
  _mm_storeu_si128(at, _mm_add_epi16(counts, above));  // all ones: -1
  const auto bits = static_cast<uint32_t>(_mm_movemask_epi8(above));
  return std::countr_zero(bits | 1u << 16) / 2 - 1;  // two bits a slot
}
#else
int32_t TakeFromRow(int16_t* row, int32_t rank) {
  int32_t at_most = 0;
  for (int32_t j = 0; j < kFanOut; ++j) {
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

PositionPicker::PositionPicker(int32_t count)
    : rows_(static_cast<size_t>(kRows * kFanOut)),
      bytes_(static_cast<size_t>((count + kLeafBits - 1) / kLeafBits)),
      remaining_(count) {
  assert(count >= 0 && count <= kMaxCount);
  for (size_t level = 0; level < kLevels; ++level) {
    const int32_t span = kChildSpan[level];
    for (int32_t node = 0; node < kNodes[level]; ++node) {
      // The positions from the node's first on, of which its children hold
      // at most span each.
      const int32_t from_node = std::max(0, count - node * span * kFanOut);
      int16_t* row =
          &rows_[static_cast<size_t>((kFirstRow[level] + node) * kFanOut)];
      for (int32_t j = 0; j < kFanOut; ++j) {
        row[j] = static_cast<int16_t>(std::min(j * span, from_node));
      }
    }
  }
  for (int32_t b = 0; b < count / kLeafBits; ++b) {
    bytes_[static_cast<size_t>(b)] = 0xFF;
  }
  if (count % kLeafBits != 0) {
    bytes_.back() = static_cast<uint8_t>((1u << (count % kLeafBits)) - 1);
  }
}

int32_t PositionPicker::Take(int32_t rank) {
  assert(rank >= 0 && rank < remaining_);
  int32_t node = 0;
  for (int32_t level = 0; level < kLevels; ++level) {
    int16_t* row =
        rows_.data() +
        static_cast<ptrdiff_t>((kFirstRow[static_cast<size_t>(level)] + node) *
                               kFanOut);
    const int32_t slot = TakeFromRow(row, rank);
    rank -= row[slot];  // a slot at or below rank kept its count
    node = node * kFanOut + slot;
  }
  uint8_t& bits = bytes_[static_cast<size_t>(node)];
  const int32_t bit = kSelectInByte[bits][static_cast<size_t>(rank)];
  bits = static_cast<uint8_t>(bits & ~(1u << bit));
  --remaining_;
  return node * kLeafBits + bit;
}

}  // namespace lotwheel
