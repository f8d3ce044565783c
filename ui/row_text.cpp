// How a list row shows an entry.
#include "ui/row_text.h"

namespace lotwheel::ui {

std::u16string RowText(std::u16string_view entry) {
  const bool cut = entry.size() > kRowTextLimit;
  std::u16string text(cut ? KeptStart(entry, kRowTextLimit) : entry);
  for (char16_t& ch : text) {
    if (ch == u'\r') ch = u'\u240D';
    if (ch == u'\n') ch = u'\u240A';
  }
  if (cut) text += u'\u2026';
  return text;
}

std::u16string_view KeptStart(std::u16string_view text, size_t length) {
  if (length >= text.size()) return text;
  // Keep a surrogate pair whole: drop its high half rather than split it.
  if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF &&
      text[length] >= 0xDC00 && text[length] <= 0xDFFF)
    --length;
  return text.substr(0, length);
}

}  // namespace lotwheel::ui
