// The faces the windows' controls ask for, made at a given DPI.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/control_table.h"
#include "ui/win32/owned_handles.h"

namespace lotwheel::win32 {

// kInterface: the system's message font at 9 points, the size the fixed
// layout is measured for. The gothic faces: "ＭＳ Ｐゴシック" in the Shift-JIS
// character set, which the system substitutes where the face is missing.
FontHandle CreateControlFont(ui::ControlFont font, UINT dpi);

// The same face, made smaller only if the text would not fit in width
// pixels: a stand-in for a missing face may run wider than the face the
// layout was drawn for, and a label must not lose its end.
FontHandle CreateFittingFont(ui::ControlFont font, UINT dpi,
                             std::wstring_view text, int width);

}  // namespace lotwheel::win32
