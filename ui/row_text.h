// How a list row shows an entry: on one line and at a length that any list
// control paints at once. The entry itself is never changed.
#pragma once

#include <string>
#include <string_view>

namespace lotwheel::ui {

// Rows longer than this show their start followed by "…".
inline constexpr size_t kRowTextLimit = 300;

// A CR or LF standing alone shows as its visible control picture (␍, ␊)
// instead of breaking the row; a very long entry is shortened, never inside
// a surrogate pair.
std::u16string RowText(std::u16string_view entry);

// The first `length` code units of `text`, one fewer where the cut would
// split a surrogate pair: where every shortened text is cut.
std::u16string_view KeptStart(std::u16string_view text, size_t length);

}  // namespace lotwheel::ui
