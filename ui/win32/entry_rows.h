// How the two list views show the draw session's lists: they hold no rows of
// their own and ask for each row's text when they paint it, or when a screen
// reader reads it through them.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/row_change.h"

namespace lotwheel::win32 {

// Brings `list` in line with a list of `count` entries. After kReplaced the
// selection is let go, since it would point at another entry now.
void ShowListRows(HWND list, int count, ui::RowChange change);

// Scrolls `row` to the top of the list, or as near as the list's end allows.
void ScrollListToRow(HWND list, int row);

// Copies a row's text into the buffer of a display-info request. A text that
// does not fit ends in "…" instead, never inside a surrogate pair.
void WriteRowText(std::u16string_view row, wchar_t* buffer, int capacity);

}  // namespace lotwheel::win32
