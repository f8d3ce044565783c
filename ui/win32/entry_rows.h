// How the two list views show the draw session's lists: they hold no rows of
// their own and ask for each row's text when they paint it, or when a screen
// reader reads it through them.
#pragma once

#include <windows.h>

#include <string_view>

namespace lotwheel::win32 {

enum class RowChange {
  kAppended,  // the rows shown so far are unchanged, new ones follow
  kReplaced,  // any row may differ now
};

// Brings `list` in line with a list of `count` entries. After kAppended the
// first new row, `first_new`, is scrolled to the top; after kReplaced the
// selection is let go, since it would point at another entry now.
void ShowRows(HWND list, int count, RowChange change, int first_new = 0);

// Copies a row's text into the buffer of a display-info request. A text that
// does not fit ends in "…" instead, never inside a surrogate pair.
void WriteRowText(std::u16string_view row, wchar_t* buffer, int capacity);

}  // namespace lotwheel::win32
