// The list views' rows, read from the draw session when they are needed.
#include "ui/win32/entry_rows.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/control_set.h"

namespace lotwheel::win32 {
namespace {

// Scrolls `row` to the top of the list, or as near as the list's end allows.
void ScrollToTop(HWND list, int row) {
  RECT first{};
  if (!ListView_GetItemRect(list, 0, &first, LVIR_BOUNDS)) return;
  const int steps = row - ListView_GetTopIndex(list);
  if (steps != 0) ListView_Scroll(list, 0, steps * (first.bottom - first.top));
}

}  // namespace

void ShowRows(HWND list, int count, RowChange change, int first_new) {
  if (change == RowChange::kReplaced &&
      ListView_GetNextItem(list, -1, LVNI_SELECTED | LVNI_FOCUSED) != -1)
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  // The rows are painted once, at the end, rather than after each step.
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ListView_SetItemCountEx(list, count,
                          LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  // New entries come at the end: show the first of them at the top rather
  // than jumping back to the start of a long list.
  if (change == RowChange::kAppended && first_new > 0 && first_new < count)
    ScrollToTop(list, first_new);
  FitListColumn(list);
  InvalidateRect(list, nullptr, TRUE);
}

void WriteRowText(std::u16string_view row, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const size_t room = static_cast<size_t>(capacity) - 1;  // the final NUL
  size_t length = std::min(row.size(), room);
  const bool cut = row.size() > room;
  if (cut) {
    length = room > 0 ? room - 1 : 0;  // room for "…"
    if (length > 0 && row[length - 1] >= 0xD800 && row[length - 1] <= 0xDBFF)
      --length;
  }
  std::copy_n(row.data(), length, buffer);
  if (cut && room > 0) buffer[length++] = L'\u2026';
  buffer[length] = L'\0';
}

}  // namespace lotwheel::win32
