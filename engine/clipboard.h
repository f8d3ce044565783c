// The platform clipboard, as the draw engine sees it.
#pragma once

#include <string_view>

namespace lotwheel {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empties the clipboard, in every format, then places a text in the
  // platform's plain-text format: one operation, so that a platform that
  // does both in one opening of the clipboard shows nobody an empty one in
  // between. False when the platform did not take the text, so that the
  // window can say so.
  virtual bool ReplaceText(std::u16string_view text) = 0;
};

}  // namespace lotwheel
