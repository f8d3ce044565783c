// The list views' rows, read from the draw session when they are needed.
#include "ui/win32/entry_rows.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/control_set.h"

namespace lotwheel::win32 {

void ShowRows(HWND list, int count, RowChange change, int first_new) {
  if (change == RowChange::kReplaced) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(list, count, 0);
  } else {
    ListView_SetItemCountEx(list, count, LVSICF_NOINVALIDATEALL);
    if (first_new > 0 && first_new < count) {
      // Down to the end, then back up to the first new row, which leaves it
      // at the top rather than jumping back to the start of a long list.
      ListView_EnsureVisible(list, count - 1, FALSE);
      ListView_EnsureVisible(list, first_new, FALSE);
    }
  }
  FitListColumn(list);
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
