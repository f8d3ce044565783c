// The Windows clipboard as the draw engine sees it.
#pragma once

#include <windows.h>

#include "engine/clipboard.h"

namespace lotwheel::win32 {

class Win32Clipboard final : public Clipboard {
 public:
  // `owner` becomes the clipboard's owner while it is open.
  explicit Win32Clipboard(HWND owner);

  // Empties the clipboard and sets `text` as Unicode text, in one opening of
  // the clipboard. Another program
  // may hold the clipboard for a moment, so opening it is retried for about
  // half a second; false if it stays closed or refuses the text.
  bool ReplaceText(std::u16string_view text) override;

 private:
  bool Open();

  HWND owner_;
};

}  // namespace lotwheel::win32
