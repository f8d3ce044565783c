// The two lists of a draw and every operation on them.
#include "engine/draw_session.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

#include "engine/clock_random_source.h"
#include "engine/count_reader.h"
#include "engine/position_picker.h"

namespace lotwheel {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// The pick position among m entries for a value r from the generator,
// floor(m * r). A generator that breaks its promise of 0 <= r < 1 is held
// inside the list rather than let loose on memory.
int32_t PickIndex(int32_t m, float r) {
  const double x = static_cast<double>(m) * static_cast<double>(r);
  if (!(x >= 0.0)) return 0;  // also NaN
  if (x >= static_cast<double>(m)) return m - 1;
  return static_cast<int32_t>(x);  // at or above zero, truncating floors
}

}  // namespace

DrawSession::DrawSession()
    : DrawSession(std::make_unique<ClockRandomSource>()) {}

DrawSession::DrawSession(std::unique_ptr<RandomSource> random)
    : random_(std::move(random)) {}

AddOutcome DrawSession::AddLines(std::u16string_view text) {
  if (text.empty()) return AddOutcome::Added;
  // All or nothing: a text that does not fit leaves the list as it was.
  const size_t room = static_cast<size_t>(kMaxEntries) - source_.size();
  const size_t pieces = EntryArena::CountPieces(text, room);
  if (pieces > room) return AddOutcome::SourceFull;
  // The list's room first: once the text is in, nothing can fail.
  ReserveGrowing(source_, source_.size() + pieces);
  const auto first = static_cast<EntryArena::Id>(arena_.Count());
  arena_.Append(text, pieces);
  for (size_t k = 0; k < pieces; ++k) {
    source_.push_back(static_cast<EntryArena::Id>(first + k));
  }
  return AddOutcome::Added;
}

void DrawSession::Reserve(size_t units, size_t pieces) {
  pieces = std::min(pieces, static_cast<size_t>(kMaxEntries) - source_.size());
  ReserveGrowing(source_, source_.size() + pieces);
  arena_.Reserve(units, pieces);
}

void DrawSession::ClearLists() {
  // Swapped with empty lists rather than cleared, which would keep the
  // memory.
  std::vector<EntryArena::Id>().swap(output_);
  std::vector<EntryArena::Id>().swap(source_);
  arena_.Clear();
}

DrawOutcome DrawSession::Draw(std::u16string_view count_text) {
  const std::optional<double> value = CountReader::Read(count_text);
  if (!value) return DrawOutcome::InvalidCount;
  // Compared as a double: no count, however large, is narrowed first.
  const double wanted = std::floor(*value);
  const auto n = static_cast<int32_t>(source_.size());
  if (wanted > static_cast<double>(n)) return DrawOutcome::NotEnoughEntries;

  int32_t count = 0;  // below zero nothing moves, so it stays 0
  if (wanted == 0.0) {
    count = n;
  } else if (wanted > 0.0) {
    count = static_cast<int32_t>(wanted);  // at most n here
  }
  if (static_cast<int32_t>(output_.size()) + count > kMaxEntries) {
    return DrawOutcome::OutputFull;
  }

  random_->Reseed();
  if (count > 0) Pick(count);
  return DrawOutcome::Drawn;
}

void DrawSession::Pick(int32_t count) {
  // Gives the picks of removing each drawn entry from the middle of the
  // list, but finds "the i-th survivor" with a picker instead of shifting
  // the list at each pass; the survivors close up once at the end.
  // Everything is allocated before the first entry moves, so running out
  // of memory leaves both lists whole.
  const auto n = static_cast<int32_t>(source_.size());
  PositionPicker picker(n);
  ReserveGrowing(output_, output_.size() + static_cast<size_t>(count));
  // The generator's values do not depend on the picks: taken first, they
  // leave the picks a loop of their own that the core can overlap.
  std::vector<int16_t> ranks(static_cast<size_t>(count));
  for (int32_t k = 0; k < count; ++k) {
    ranks[static_cast<size_t>(k)] =
        static_cast<int16_t>(PickIndex(n - k, random_->Next()));
  }
  for (int16_t rank : ranks) {
    output_.push_back(source_[static_cast<size_t>(picker.Take(rank))]);
  }
  size_t kept = 0;  // never past the position read, so it closes up in place
  picker.ForEachRemaining([this, &kept](int32_t position) {
    source_[kept++] = source_[static_cast<size_t>(position)];
  });
  source_.resize(kept);
  // A list drawn empty gives its memory back; swapping cannot fail.
  if (kept == 0) std::vector<EntryArena::Id>().swap(source_);
}

std::u16string DrawSession::ExportText() const {
  size_t length = 0;
  for (EntryArena::Id id : output_) {
    length += arena_.Text(id).size() + kLineBreak.size();
  }
  std::u16string text(length, u'\0');
  char16_t* out = text.data();
  for (EntryArena::Id id : output_) {
    const std::u16string_view entry = arena_.Text(id);
    out = std::copy(entry.begin(), entry.end(), out);
    out = std::copy(kLineBreak.begin(), kLineBreak.end(), out);
  }
  return text;
}

bool DrawSession::CopyOutput(Clipboard& clipboard) const {
  // Built before the clipboard is touched, so a failure to build it leaves
  // the clipboard as it was.
  const std::u16string text = ExportText();
  return clipboard.ReplaceText(text);
}

int16_t DrawSession::SourceCount() const {
  return static_cast<int16_t>(source_.size());
}

std::u16string_view DrawSession::SourceAt(int16_t position) const {
  return EntryAt(source_, position);
}

int16_t DrawSession::OutputCount() const {
  return static_cast<int16_t>(output_.size());
}

std::u16string_view DrawSession::OutputAt(int16_t position) const {
  return EntryAt(output_, position);
}

}  // namespace lotwheel
