// The platform clipboard, as the draw engine sees it.
#pragma once

#include <string_view>

namespace lotwheel {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empties the clipboard, in every format.
  virtual void Clear() = 0;
  // Places a text in the platform's plain-text format. False when the
  // platform did not take it, so that the window can say so.
  virtual bool SetText(std::u16string_view text) = 0;
};

}  // namespace lotwheel
