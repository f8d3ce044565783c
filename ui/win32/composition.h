// Finishing what an input method is composing in an edit control.
#pragma once

#include <windows.h>

namespace lotwheel::win32 {

// Makes what an input method is still composing in `edit` part of its text,
// as Windows does when a click takes the focus away. Does nothing where
// there is no composition, no input method or no imm32.dll. True when a
// composition was finished; its text may still be on its way to `edit`
// in messages the input method has posted.
bool FinishComposition(HWND edit);

}  // namespace lotwheel::win32
