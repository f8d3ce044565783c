// Drives a DrawSession through arbitrary sequences of adds, draws, clears
// and exports, and checks after every step that no entry was lost or
// duplicated, that both lists stay within their limit, and that the export
// is exactly the output list.
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

#include "engine/draw_session.h"

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

// The hashes of one list, read through its count and accessor.
template <typename At>
Hashes ListHashes(int16_t count, At at) {
  Hashes h;
  h.reserve(static_cast<size_t>(count));
  for (int16_t i = 0; i < count; ++i) h.push_back(HashOf(at(i)));
  return h;
}

Hashes SourceHashes(const DrawSession& s) {
  return ListHashes(s.SourceCount(), [&s](int16_t i) -> const std::u16string& {
    return s.SourceAt(i);
  });
}

Hashes OutputHashes(const DrawSession& s) {
  return ListHashes(s.OutputCount(), [&s](int16_t i) -> const std::u16string& {
    return s.OutputAt(i);
  });
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

void Add(DrawSession& s, const std::u16string& text, Multiset& added) {
  const Hashes before = SourceHashes(s);
  const Hashes output = OutputHashes(s);
  const std::vector<std::u16string> pieces = Pieces(text);
  const AddOutcome outcome = s.AddLines(text);
  const Hashes after = SourceHashes(s);
  FUZZ_CHECK(OutputHashes(s) == output);
  if (before.size() + pieces.size() > static_cast<size_t>(kMaxEntries)) {
    FUZZ_CHECK(outcome == AddOutcome::SourceFull && after == before);
    return;
  }
  FUZZ_CHECK(outcome == AddOutcome::Added);
  FUZZ_CHECK(after.size() == before.size() + pieces.size());
  FUZZ_CHECK(std::equal(before.begin(), before.end(), after.begin()));
  for (size_t j = 0; j < pieces.size(); ++j) {
    FUZZ_CHECK(s.SourceAt(static_cast<int16_t>(before.size() + j)) ==
               pieces[j]);
    added.Insert(after[before.size() + j]);
  }
}

// Takes the source to just below, at or past its limit with "x" and empty
// lines. Checked without the general add's copies: a fill is the costliest
// step there is.
void Fill(DrawSession& s, uint8_t overshoot, Multiset& added) {
  const int before = s.SourceCount();
  const int lines = std::max(1, kMaxEntries - before - 1 + overshoot % 3);
  std::u16string text(u"x");
  text.reserve(2 * static_cast<size_t>(lines));
  for (int breaks = lines - 1; breaks > 0; --breaks) text += u"\r\n";
  const AddOutcome outcome = s.AddLines(text);
  if (before + lines > kMaxEntries) {
    FUZZ_CHECK(outcome == AddOutcome::SourceFull && s.SourceCount() == before);
    return;
  }
  FUZZ_CHECK(outcome == AddOutcome::Added);
  FUZZ_CHECK(s.SourceCount() == before + lines);
  FUZZ_CHECK(s.SourceAt(static_cast<int16_t>(before)) == u"x");
  added.Insert(HashOf(u"x"));
  for (int i = before + 1; i < before + lines; ++i) {
    FUZZ_CHECK(s.SourceAt(static_cast<int16_t>(i)).empty());
    added.Insert(HashOf(u""));
  }
}

// True when sub keeps entries of full in their order, skipping some.
bool IsSubsequence(const Hashes& sub, const Hashes& full) {
  size_t j = 0;
  for (uint64_t h : full) {
    if (j < sub.size() && sub[j] == h) ++j;
  }
  return j == sub.size();
}

void DrawAndCheck(DrawSession& s, const std::u16string& count_text) {
  const Hashes source = SourceHashes(s);
  const Hashes output = OutputHashes(s);
  const DrawOutcome outcome = s.Draw(count_text);
  const Hashes new_source = SourceHashes(s);
  const Hashes new_output = OutputHashes(s);
  if (outcome != DrawOutcome::Drawn) {
    FUZZ_CHECK(new_source == source && new_output == output);
    return;
  }
  FUZZ_CHECK(new_source.size() <= source.size());
  const size_t moved = source.size() - new_source.size();
  FUZZ_CHECK(new_output.size() == output.size() + moved);
  FUZZ_CHECK(std::equal(output.begin(), output.end(), new_output.begin()));
  FUZZ_CHECK(IsSubsequence(new_source, source));
}

// The entries added since the last clear, as a multiset, are exactly those
// the two lists hold now; the export is as long as the output demands.
void CheckInvariants(const DrawSession& s, const Multiset& added) {
  FUZZ_CHECK(s.SourceCount() >= 0 && s.SourceCount() <= kMaxEntries);
  FUZZ_CHECK(s.OutputCount() >= 0 && s.OutputCount() <= kMaxEntries);
  Multiset held;
  size_t export_length = 0;
  for (int16_t i = 0; i < s.SourceCount(); ++i)
    held.Insert(HashOf(s.SourceAt(i)));
  for (int16_t i = 0; i < s.OutputCount(); ++i) {
    held.Insert(HashOf(s.OutputAt(i)));
    export_length += s.OutputAt(i).size() + 2;
  }
  FUZZ_CHECK(held == added);
  FUZZ_CHECK(s.ExportText().size() == export_length);
}

void CheckExport(const DrawSession& s) {
  std::u16string expected;
  for (int16_t i = 0; i < s.OutputCount(); ++i) {
    expected += s.OutputAt(i);
    expected += u"\r\n";
  }
  FUZZ_CHECK(s.ExportText() == expected);
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
  Multiset added;
  int steps_left = 64;
  if (header % 8 == 7) {
    Fill(session, header / 8, added);
    CheckInvariants(session, added);
    steps_left = kStepsAfterFill;
  }
  for (; !script.Done() && steps_left > 0; --steps_left) {
    switch (kSteps[script.Byte() % std::size(kSteps)]) {
      case Step::kAdd:
        Add(session, script.Text(), added);
        break;
      case Step::kDrawText:
        DrawAndCheck(session, script.Text());
        break;
      case Step::kDrawNumber: {
        const auto count = static_cast<int16_t>(script.Word());
        const std::string digits = std::to_string(count);
        DrawAndCheck(session, std::u16string(digits.begin(), digits.end()));
        break;
      }
      case Step::kClear:
        session.ClearLists();
        added = Multiset();
        FUZZ_CHECK(session.SourceCount() == 0 && session.OutputCount() == 0);
        break;
      case Step::kExport:
        CheckExport(session);
        break;
    }
    CheckInvariants(session, added);
  }
  return 0;
}
