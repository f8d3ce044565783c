// The text of every entry of a draw session, in one buffer.
#include "engine/entry_arena.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace lotwheel {
namespace {

constexpr size_t kLineBreakSize = 2;  // CR LF

// Where the next CR LF starts, at or after from; npos when there is none.
size_t FindLineBreak(std::u16string_view text, size_t from) {
  for (size_t i = from + 1; i < text.size(); ++i) {
    if (text[i] == u'\n' && text[i - 1] == u'\r') return i - 1;
  }
  return std::u16string_view::npos;
}

}  // namespace

size_t EntryArena::CountPieces(std::u16string_view text, size_t limit) {
  size_t pieces = 1;
  for (size_t at = FindLineBreak(text, 0);
       at != std::u16string_view::npos && pieces <= limit;
       at = FindLineBreak(text, at + kLineBreakSize)) {
    ++pieces;
  }
  return pieces;
}

void EntryArena::Append(std::u16string_view text, size_t pieces) {
  const size_t units = text.size() - (pieces - 1) * kLineBreakSize;
  Reserve(units, pieces);
  // From here on nothing allocates, so nothing can fail half way.
  if (starts_.empty()) starts_.push_back(0);
  const size_t old_size = text_.size();
  text_.resize(old_size + units);
  char16_t* out = text_.data() + old_size;
  size_t start = 0;
  for (size_t cut = FindLineBreak(text, 0); cut != std::u16string_view::npos;
       cut = FindLineBreak(text, start)) {
    out = std::copy(text.begin() + start, text.begin() + cut, out);
    starts_.push_back(static_cast<uint32_t>(out - text_.data()));
    start = cut + kLineBreakSize;
  }
  std::copy(text.begin() + start, text.end(), out);
  starts_.push_back(static_cast<uint32_t>(text_.size()));
}

void EntryArena::Reserve(size_t more, size_t pieces) {
  if (more > std::numeric_limits<uint32_t>::max() - text_.size()) {
    throw std::length_error("the entries' text would pass 4 Gi units");
  }
  ReserveGrowing(text_, text_.size() + more);
  ReserveGrowing(starts_, starts_.size() + pieces + (starts_.empty() ? 1 : 0));
}

void EntryArena::Clear() {
  std::vector<char16_t>().swap(text_);
  std::vector<uint32_t>().swap(starts_);
}

}  // namespace lotwheel
