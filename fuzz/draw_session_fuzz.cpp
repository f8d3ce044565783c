// Drives a DrawSession through arbitrary sequences of adds, draws, clears
// and exports, and checks after every step that no entry was lost or
// duplicated and that both lists stay within their limit, and at every
// export that it is exactly the output list.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clock_random_source.h"
#include "engine/draw_session.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace lotwheel {
namespace {

#define FUZZ_CHECK(condition)                                         \
  do {                                                                \
    if (!(condition)) {                                               \
      std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, \
                   #condition);                                       \
      std::abort();                                                   \
    }                                                                 \
  } while (false)

// Reads the fuzzer's bytes as a script; reads past the end give zeros.
class Script {
 public:
  Script(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  uint64_t Long() {
    return uint64_t{Word()} << 48 | uint64_t{Word()} << 32 |
           uint64_t{Word()} << 16 | Word();
  }

  // A text of up to 255 units. Bytes from 0xF0 up bring a raw UTF-16 unit
  // (surrogates, full-width forms); the others stand for themselves, so
  // CR LF and digits come cheaply.
  std::u16string Text() {
    std::u16string text;
    for (int length = Byte(); length > 0; --length) {
      uint8_t b = Byte();
      text.push_back(b >= 0xF0 ? static_cast<char16_t>(Word()) : char16_t{b});
    }
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// A generator that mostly keeps its promise of 0 <= r < 1 and sometimes
// gives any float at all, NaN and infinities included.
class WildRandomSource final : public RandomSource {
 public:
  explicit WildRandomSource(uint64_t seed) : state_(seed | 1) {}
  void Reseed() override { state_ ^= 0x9e3779b97f4a7c15ULL; }
  float Next() override {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    if (state_ % 8 != 0) return static_cast<float>(state_ >> 40) * 0x1.0p-24f;
    return std::bit_cast<float>(static_cast<uint32_t>(state_ >> 32));
  }

 private:
  uint64_t state_;
};

// A 64-bit hash of one entry: FNV-1a over its units, then scrambled.
uint64_t HashOf(std::u16string_view entry) {
  uint64_t h = 0xcbf29ce484222325ULL ^ entry.size();
  for (char16_t unit : entry) h = (h ^ unit) * 0x100000001b3ULL;
  h = (h ^ (h >> 30)) * 0xbf58476d1ce4e5b9ULL;
  h = (h ^ (h >> 27)) * 0x94d049bb133111ebULL;
  return h ^ (h >> 31);
}

// A list as the hashes of its entries, in order: cheap to keep even at
// 32,767 entries, which keeps the fuzzer fast where copies would not.
using Hashes = std::vector<uint64_t>;

// Both lists as hashes. Read once after every step: the reading after one
// step is the reading before the next, so no list is hashed twice.
struct Lists {
  Hashes source;
  Hashes output;
};

// The hashes of one list, read through its count and accessor.
template <typename At>
Hashes ListHashes(int16_t count, At at) {
  Hashes h;
  h.reserve(static_cast<size_t>(count));
  for (int16_t i = 0; i < count; ++i) h.push_back(HashOf(at(i)));
  return h;
}

Lists Read(const DrawSession& s) {
  return {
      ListHashes(s.SourceCount(), [&s](int16_t i) { return s.SourceAt(i); }),
      ListHashes(s.OutputCount(), [&s](int16_t i) { return s.OutputAt(i); })};
}

// A multiset of entries, as a count and two sums of hashes: order does not
// change it, and losing one entry or holding one twice does.
struct Multiset {
  size_t count = 0;
  uint64_t sum = 0;
  uint64_t mixed_sum = 0;

  void Insert(uint64_t hash) {
    ++count;
    sum += hash;
    mixed_sum += (hash ^ 0x5bd1e995u) * 0x9e3779b97f4a7c15ULL | 1;
  }
  bool operator==(const Multiset&) const = default;
};

// The pieces of text cut at each CR LF, found here independently.
std::vector<std::u16string> Pieces(const std::u16string& text) {
  std::vector<std::u16string> pieces;
  if (text.empty()) return pieces;
  std::u16string piece;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      pieces.push_back(piece);
      piece.clear();
      ++i;
    } else {
      piece.push_back(text[i]);
    }
  }
  pieces.push_back(piece);
  return pieces;
}

// Each step takes the lists as read before it and leaves them as read after.
void Add(DrawSession& s, const std::u16string& text, Lists& lists,
         Multiset& added) {
  const std::vector<std::u16string> pieces = Pieces(text);
  // Half the adds, picked by a length that costs no byte of the script, go
  // into room made beforehand, as an add in parts does; the reading below
  // finds any entry that made it change.
  if (text.size() % 2 == 1) s.Reserve(text.size(), pieces.size());
  const AddOutcome outcome = s.AddLines(text);
  Lists after = Read(s);
  FUZZ_CHECK(after.output == lists.output);
  const Hashes& before = lists.source;
  if (before.size() + pieces.size() > static_cast<size_t>(kMaxEntries)) {
    FUZZ_CHECK(outcome == AddOutcome::SourceFull && after.source == before);
    return;
  }
  FUZZ_CHECK(outcome == AddOutcome::Added);
  FUZZ_CHECK(after.source.size() == before.size() + pieces.size());
  FUZZ_CHECK(std::equal(before.begin(), before.end(), after.source.begin()));
  for (size_t j = 0; j < pieces.size(); ++j) {
    FUZZ_CHECK(s.SourceAt(static_cast<int16_t>(before.size() + j)) ==
               pieces[j]);
    added.Insert(after.source[before.size() + j]);
  }
  lists = std::move(after);
}

// Takes the source to just below, at or past its limit with "x" and empty
// lines, without the general add's copies: a fill is the costliest step
// there is.
void Fill(DrawSession& s, uint8_t overshoot, Lists& lists, Multiset& added) {
  const int before = static_cast<int>(lists.source.size());
  const int lines = std::max(1, kMaxEntries - before - 1 + overshoot % 3);
  std::u16string text(u"x");
  text.reserve(2 * static_cast<size_t>(lines));
  for (int breaks = lines - 1; breaks > 0; --breaks) text += u"\r\n";
  const AddOutcome outcome = s.AddLines(text);
  Lists after = Read(s);
  FUZZ_CHECK(after.output == lists.output);
  if (before + lines > kMaxEntries) {
    FUZZ_CHECK(outcome == AddOutcome::SourceFull &&
               after.source == lists.source);
    return;
  }
  FUZZ_CHECK(outcome == AddOutcome::Added);
  FUZZ_CHECK(after.source.size() == static_cast<size_t>(before + lines));
  const uint64_t x = HashOf(u"x"), empty = HashOf(u"");
  FUZZ_CHECK(after.source[static_cast<size_t>(before)] == x);
  added.Insert(x);
  for (size_t i = static_cast<size_t>(before) + 1; i < after.source.size();
       ++i) {
    FUZZ_CHECK(after.source[i] == empty);
    added.Insert(empty);
  }
  lists = std::move(after);
}

// True when sub keeps entries of full in their order, skipping some.
bool IsSubsequence(const Hashes& sub, const Hashes& full) {
  size_t j = 0;
  for (uint64_t h : full) {
    if (j < sub.size() && sub[j] == h) ++j;
  }
  return j == sub.size();
}

void DrawAndCheck(DrawSession& s, const std::u16string& count_text,
                  Lists& lists) {
  const DrawOutcome outcome = s.Draw(count_text);
  Lists after = Read(s);
  if (outcome != DrawOutcome::Drawn) {
    FUZZ_CHECK(after.source == lists.source && after.output == lists.output);
    return;
  }
  FUZZ_CHECK(after.source.size() <= lists.source.size());
  const size_t moved = lists.source.size() - after.source.size();
  FUZZ_CHECK(after.output.size() == lists.output.size() + moved);
  FUZZ_CHECK(std::equal(lists.output.begin(), lists.output.end(),
                        after.output.begin()));
  FUZZ_CHECK(IsSubsequence(after.source, lists.source));
  lists = std::move(after);
}

// The entries added since the last clear, as a multiset, are exactly those
// the two lists hold now.
void CheckInvariants(const Lists& lists, const Multiset& added) {
  FUZZ_CHECK(lists.source.size() <= static_cast<size_t>(kMaxEntries));
  FUZZ_CHECK(lists.output.size() <= static_cast<size_t>(kMaxEntries));
  Multiset held;
  for (uint64_t h : lists.source) held.Insert(h);
  for (uint64_t h : lists.output) held.Insert(h);
  FUZZ_CHECK(held == added);
}

// The export is every output entry followed by CR LF, and changes nothing.
void CheckExport(const DrawSession& s, const Lists& lists) {
  std::u16string expected;
  for (int16_t i = 0; i < s.OutputCount(); ++i) {
    expected += s.OutputAt(i);
    expected += u"\r\n";
  }
  FUZZ_CHECK(s.ExportText() == expected);
  FUZZ_CHECK(s.SourceCount() == static_cast<int16_t>(lists.source.size()) &&
             s.OutputCount() == static_cast<int16_t>(lists.output.size()));
}

enum class Step { kAdd, kDrawText, kDrawNumber, kClear, kExport };

constexpr Step kSteps[] = {
    Step::kAdd,        Step::kAdd,        Step::kAdd,      Step::kDrawText,
    Step::kDrawText,   Step::kDrawText,   Step::kDrawText, Step::kDrawNumber,
    Step::kDrawNumber, Step::kDrawNumber, Step::kClear,    Step::kExport,
    Step::kExport,
};

// Filling the list to its limit makes every later step slower to check, so
// only scripts whose first byte asks for it (one in 8) begin with a fill,
// and they run a few steps only.
constexpr int kStepsAfterFill = 4;

}  // namespace
}  // namespace lotwheel

// A full list and its hashes take a few megabytes, which glibc would map
// and unmap afresh for every input; the page faults cost more than the
// checks. Kept on the heap instead, they are reused from input to input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lotwheel;
  Script script(data, size);
  const uint8_t header = script.Byte();
  std::unique_ptr<RandomSource> random;
  if (header % 2 == 0) {
    uint64_t now = script.Long();
    random = std::make_unique<ClockRandomSource>(
        script.Long(), [now]() mutable { return now++; });
  } else {
    random = std::make_unique<WildRandomSource>(script.Long());
  }
  DrawSession session(std::move(random));
  Lists lists;
  Multiset added;
  int steps_left = 64;
  if (header % 8 == 7) {
    Fill(session, header / 8, lists, added);
    CheckInvariants(lists, added);
    steps_left = kStepsAfterFill;
  }
  for (; !script.Done() && steps_left > 0; --steps_left) {
    switch (kSteps[script.Byte() % std::size(kSteps)]) {
      case Step::kAdd:
        Add(session, script.Text(), lists, added);
        break;
      case Step::kDrawText:
        DrawAndCheck(session, script.Text(), lists);
        break;
      case Step::kDrawNumber: {
        const auto count = static_cast<int16_t>(script.Word());
        const std::string digits = std::to_string(count);
        DrawAndCheck(session, std::u16string(digits.begin(), digits.end()),
                     lists);
        break;
      }
      case Step::kClear:
        session.ClearLists();
        lists = Lists();
        added = Multiset();
        FUZZ_CHECK(session.SourceCount() == 0 && session.OutputCount() == 0);
        break;
      case Step::kExport:
        CheckExport(session, lists);
        break;
    }
    CheckInvariants(lists, added);
  }
  return 0;
}
