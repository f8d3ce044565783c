// The text of every entry of a draw session, in one buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace lotwheel {

// The room to grow to from `capacity` for `needed` elements: a quarter more
// at least, so that many small adds copy each element only a few times, and
// so that no more than a fifth of the memory stands unused.
inline size_t GrownCapacity(size_t needed, size_t capacity) {
  return std::max(needed, capacity + capacity / 4);
}

// Gives v room for `needed` elements, growing as GrownCapacity says.
template <typename T>
void ReserveGrowing(std::vector<T>& v, size_t needed) {
  if (needed <= v.capacity()) return;
  v.reserve(GrownCapacity(needed, v.capacity()));
}

// Entries are kept in the order they were added, each known by its id, its
// place in that order. The lists of a session hold ids only, so that a draw
// moves two bytes per entry and never the text. Both lists together hold at
// most 2 x 32,767 entries, which an id of 16 bits can tell apart.
class EntryArena final {
 public:
  using Id = uint16_t;

  // How many entries are held; the next one added gets this id.
  size_t Count() const { return starts_.empty() ? 0 : starts_.size() - 1; }
  std::u16string_view Text(Id id) const {
    return {text_.get() + starts_[id], starts_[id + 1u] - starts_[id]};
  }

  // How many pieces a non-empty text gives when cut at each CR LF, counted
  // no further than a little past `limit`: a huge paste is refused early.
  static size_t CountPieces(std::u16string_view text, size_t limit);

  // Appends the pieces of a non-empty `text` cut at each CR LF, of which
  // there are `pieces`, as CountPieces gives them. Either appends them all or
  // throws (std::bad_alloc, std::length_error) and changes nothing.
  void Append(std::u16string_view text, size_t pieces);
  // Forgets every entry and gives their memory back.
  void Clear();
  // Makes room for `more` units of text and `pieces` entries, in one go so
  // that nothing moves once the copying starts.
  void Reserve(size_t more, size_t pieces);

 private:
  // The text of all entries, one after the other, with room for
  // text_capacity_ units and a few more: a copy may then move whole blocks
  // of units and let the last one run past the end.
  std::unique_ptr<char16_t[]> text_;
  size_t text_size_ = 0;
  size_t text_capacity_ = 0;
  // Where each entry starts in text_, and after the last one where it ends;
  // empty while no entry is held. 32 bits keep the handles small: a text
  // past 4 Gi units is refused as too large.
  std::vector<uint32_t> starts_;
};

}  // namespace lotwheel
