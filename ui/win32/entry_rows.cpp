// The list views' rows, read from the draw session when they are needed.
#include "ui/win32/entry_rows.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/row_text.h"
#include "ui/win32/control_set.h"

namespace lotwheel::win32 {

void ShowListRows(HWND list, int count, ui::RowChange change) {
  if (change == ui::RowChange::kReplaced &&
      ListView_GetNextItem(list, -1, LVNI_SELECTED | LVNI_FOCUSED) != -1)
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  // The rows are painted once, at the end, rather than after each step.
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ListView_SetItemCountEx(list, count,
                          LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  FitListColumn(list);
  InvalidateRect(list, nullptr, TRUE);
}

void ScrollListToRow(HWND list, int row) {
  RECT first{};
  if (!ListView_GetItemRect(list, 0, &first, LVIR_BOUNDS)) return;
  const int steps = row - ListView_GetTopIndex(list);
  if (steps != 0) ListView_Scroll(list, 0, steps * (first.bottom - first.top));
}

void WriteRowText(std::u16string_view row, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const size_t room = static_cast<size_t>(capacity) - 1;  // the final NUL
  const bool cut = row.size() > room;
  // Room for "…" after a cut.
  const std::u16string_view kept =
      cut ? ui::KeptStart(row, room > 0 ? room - 1 : 0) : row;
  size_t length = kept.size();
  std::copy_n(kept.data(), length, buffer);
  if (cut && room > 0) buffer[length++] = L'\u2026';
  buffer[length] = L'\0';
}

}  // namespace lotwheel::win32
