// The engine's clipboard on Qt's system clipboard.
#pragma once

#include "engine/clipboard.h"

namespace lotwheel::qt {

class QtClipboard final : public Clipboard {
 public:
  // Qt sets the text without saying whether the platform took it, so the
  // text is read back: a platform that refused it gives something else.
  bool ReplaceText(std::u16string_view text) override;
};

}  // namespace lotwheel::qt
