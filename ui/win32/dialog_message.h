// The keyboard of a window run by the dialog manager: every queued message
// goes through here before it is dispatched.
#pragma once

#include <windows.h>

namespace lotwheel::win32 {

// Hands `msg` to the dialog manager of `dialog` (Tab order, access keys,
// Enter and Esc) and says whether it was taken or dropped; if not, the caller
// translates and dispatches it as usual. An auto-repeated Enter or space on a
// button, and an auto-repeated access key, is dropped: a held key presses a
// button once.
bool RouteDialogMessage(HWND dialog, MSG& msg);

}  // namespace lotwheel::win32
