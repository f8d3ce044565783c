// The two lists of a draw and every operation on them.
#include "engine/draw_session.h"

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

// Where the next CR LF starts, at or after from; npos when there is none.
size_t FindLineBreak(std::u16string_view text, size_t from) {
  for (size_t i = from; i + 1 < text.size(); ++i) {
    if (text[i] == u'\r' && text[i + 1] == u'\n') return i;
  }
  return std::u16string_view::npos;
}

// How many pieces a non-empty text gives, one more than its CR LF pairs,
// counted no further than past `room`: a huge paste is refused early.
size_t CountPieces(std::u16string_view text, size_t room) {
  size_t pieces = 1;
  for (size_t at = FindLineBreak(text, 0);
       at != std::u16string_view::npos && pieces <= room;
       at = FindLineBreak(text, at + kLineBreak.size())) {
    ++pieces;
  }
  return pieces;
}

// The pick position among m entries for a value r from the generator. A
// generator that breaks its promise of 0 <= r < 1 is held inside the list
// rather than let loose on memory.
int32_t PickIndex(int32_t m, float r) {
  double i = std::floor(static_cast<double>(m) * static_cast<double>(r));
  if (!(i >= 0.0)) return 0;  // also NaN
  if (i >= static_cast<double>(m)) return m - 1;
  return static_cast<int32_t>(i);
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
  const size_t pieces = CountPieces(text, room);
  if (pieces > room) return AddOutcome::SourceFull;
  // Room for every piece first, so that no append moves the list; an entry
  // that cannot be allocated takes back those appended before it.
  const size_t old_size = source_.size();
  source_.reserve(old_size + pieces);
  try {
    AppendPieces(text);
  } catch (...) {
    source_.erase(source_.begin() + static_cast<ptrdiff_t>(old_size),
                  source_.end());
    throw;
  }
  return AddOutcome::Added;
}

void DrawSession::AppendPieces(std::u16string_view text) {
  size_t start = 0;
  for (size_t cut = FindLineBreak(text, 0); cut != std::u16string_view::npos;
       cut = FindLineBreak(text, start)) {
    source_.emplace_back(text.substr(start, cut - start));
    start = cut + kLineBreak.size();
  }
  source_.emplace_back(text.substr(start));
}

void DrawSession::ClearLists() {
  output_.clear();
  source_.clear();
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
  // list, but finds "the i-th survivor" in a tree instead of shifting the
  // list at each pass; the survivors close up once at the end. Everything
  // is allocated before the first entry moves, so running out of memory
  // leaves both lists whole.
  PositionPicker picker(static_cast<int32_t>(source_.size()));
  std::vector<bool> taken(source_.size(), false);
  output_.reserve(output_.size() + static_cast<size_t>(count));
  for (int32_t k = 0; k < count; ++k) {
    const float r = random_->Next();
    const int32_t position = picker.Take(PickIndex(picker.Remaining(), r));
    output_.push_back(std::move(source_[static_cast<size_t>(position)]));
    taken[static_cast<size_t>(position)] = true;
  }
  size_t kept = 0;
  for (size_t j = 0; j < source_.size(); ++j) {
    if (taken[j]) continue;
    if (kept != j) source_[kept] = std::move(source_[j]);
    ++kept;
  }
  source_.resize(kept);
}

std::u16string DrawSession::ExportText() const {
  size_t length = 0;
  for (const auto& entry : output_) length += entry.size() + kLineBreak.size();
  std::u16string text;
  text.reserve(length);
  for (const auto& entry : output_) {
    text += entry;
    text += kLineBreak;
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

const std::u16string& DrawSession::SourceAt(int16_t position) const {
  return source_.at(static_cast<size_t>(position));
}

int16_t DrawSession::OutputCount() const {
  return static_cast<int16_t>(output_.size());
}

const std::u16string& DrawSession::OutputAt(int16_t position) const {
  return output_.at(static_cast<size_t>(position));
}

}  // namespace lotwheel
