// The faces the windows' controls ask for, made at a given DPI.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "ui/window_layout.h"

namespace lotwheel::win32 {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// kInterface: the system's message font at 9 points, the size the fixed
// layout is measured for. The gothic faces: "ＭＳ Ｐゴシック" in the Shift-JIS
// character set, which the system substitutes where the face is missing.
FontHandle CreateControlFont(ui::ControlFont font, UINT dpi);

}  // namespace lotwheel::win32
