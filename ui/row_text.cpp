// How a list row shows an entry.
#include "ui/row_text.h"

namespace lotwheel::ui {

std::u16string RowText(std::u16string_view entry) {
  const bool cut = entry.size() > kRowTextLimit;
  std::u16string_view shown = entry;
  if (cut) {
    size_t length = kRowTextLimit;
    // Keep a surrogate pair whole: drop its high half rather than split it.
    if (entry[length - 1] >= 0xD800 && entry[length - 1] <= 0xDBFF &&
        entry[length] >= 0xDC00 && entry[length] <= 0xDFFF)
      --length;
    shown = entry.substr(0, length);
  }
  std::u16string text(shown);
  for (char16_t& ch : text) {
    if (ch == u'\r') ch = u'\u240D';
    if (ch == u'\n') ch = u'\u240A';
  }
  if (cut) text += u'\u2026';
  return text;
}

}  // namespace lotwheel::ui
