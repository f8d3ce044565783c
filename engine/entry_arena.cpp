// The text of every entry of a draw session, in one buffer.
#include "engine/entry_arena.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <limits>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lotwheel {
namespace {

constexpr size_t kLineBreakSize = 2;  // CR LF
// Units a block copy moves at once; the text buffer keeps this many units
// of room past its capacity for the last block.
constexpr size_t kBlock = 8;

#if defined(__SSE2__)
__m128i Load(const char16_t* at) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// The sum of the eight counts, each at most 65,535.
size_t Sum(__m128i counts) {
  alignas(16) uint16_t lanes[kBlock];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes), counts);
  size_t sum = 0;
  for (uint16_t lane : lanes) sum += lane;
  return sum;
}
#endif

bool IsLineBreakAt(const char16_t* text, size_t i) {
  return text[i] == u'\n' && text[i - 1] == u'\r';
}

}  // namespace

size_t EntryArena::CountPieces(std::u16string_view text, size_t limit) {
  size_t pieces = 1;
  size_t i = 1;  // where an LF may end a CR LF
#if defined(__SSE2__)
  // Eight places at once: each lane counts the LFs that follow a CR, and
  // the lanes are summed often enough that none overflows and that a huge
  // paste stops soon after it passes the limit.
  constexpr size_t kBlocksPerSum = 4096;
  const __m128i line_feed = _mm_set1_epi16(u'\n');
  const __m128i carriage_return = _mm_set1_epi16(u'\r');
  while (text.size() - i >= kBlock && pieces <= limit) {
    __m128i counts = _mm_setzero_si128();
    for (size_t b = 0; b < kBlocksPerSum && text.size() - i >= kBlock;
         ++b, i += kBlock) {
      const __m128i breaks =
          _mm_and_si128(_mm_cmpeq_epi16(Load(&text[i]), line_feed),
                        _mm_cmpeq_epi16(Load(&text[i - 1]), carriage_return));
      counts = _mm_sub_epi16(counts, breaks);  // a match is minus one
    }
    pieces += Sum(counts);
  }
#endif
  for (; i < text.size() && pieces <= limit; ++i) {
    pieces += IsLineBreakAt(text.data(), i) ? 1 : 0;
  }
  return pieces;
}

void EntryArena::Append(std::u16string_view text, size_t pieces) {
  const size_t units = text.size() - (pieces - 1) * kLineBreakSize;
  Reserve(units, pieces);
  // From here on nothing allocates, so nothing can fail half way.
  if (starts_.empty()) starts_.push_back(0);
  [[maybe_unused]] const size_t starts_after = starts_.size() + pieces;
  char16_t* const buffer = text_.get();
  char16_t* out = buffer + text_size_;
  const char16_t* in = text.data();
  const char16_t* const end = in + text.size();
  // Copies every unit and takes back each CR LF as it ends a piece.
  const auto cut = [&] {
    starts_.push_back(static_cast<uint32_t>(out - buffer));
  };
#if defined(__SSE2__)
  // A block of units at a time up to the block's first LF; the block is
  // stored whole, and what follows that LF is copied again from there.
  const __m128i line_feed = _mm_set1_epi16(u'\n');
  while (end - in >= static_cast<ptrdiff_t>(kBlock)) {
    const __m128i block = Load(in);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
    const auto feeds = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi16(block, line_feed)));
    if (feeds == 0) {
      in += kBlock;
      out += kBlock;
      continue;
    }
    const auto lf = static_cast<size_t>(std::countr_zero(feeds) / 2);
    in += lf + 1;
    out += lf + 1;
    if (in - text.data() >= 2 && in[-2] == u'\r') {
      out -= kLineBreakSize;
      cut();
    }
  }
#endif
  for (; in < end; ++in) {
    *out++ = *in;
    if (*in == u'\n' && in != text.data() && in[-1] == u'\r') {
      out -= kLineBreakSize;
      cut();
    }
  }
  text_size_ = static_cast<size_t>(out - buffer);
  starts_.push_back(static_cast<uint32_t>(text_size_));
  // As many cuts as CountPieces counted, so the reserved room was enough.
  assert(starts_.size() == starts_after && text_size_ <= text_capacity_);
}

void EntryArena::Reserve(size_t more, size_t pieces) {
  if (more > std::numeric_limits<uint32_t>::max() - text_size_) {
    throw std::length_error("the entries' text would pass 4 Gi units");
  }
  // Allocated even for text that is all line breaks: the copy's blocks
  // need the room past the end.
  if (!text_ || text_size_ + more > text_capacity_) {
    const size_t capacity = GrownCapacity(text_size_ + more, text_capacity_);
    // Left as it is rather than zeroed: every unit is written before it is
    // read.
    std::unique_ptr<char16_t[]> grown(new char16_t[capacity + kBlock]);
    std::copy(text_.get(), text_.get() + text_size_, grown.get());
    text_ = std::move(grown);
    text_capacity_ = capacity;
  }
  ReserveGrowing(starts_, starts_.size() + pieces + (starts_.empty() ? 1 : 0));
}

void EntryArena::Clear() {
  text_.reset();
  text_size_ = 0;
  text_capacity_ = 0;
  std::vector<uint32_t>().swap(starts_);
}

}  // namespace lotwheel
