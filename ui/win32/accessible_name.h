// What a screen reader learns of a control beyond what Windows tells it: its
// spoken name, and for a picture that opens a web page, that it is a link.
#pragma once

#include <windows.h>

#include <string>

namespace lotwheel::win32 {

// From now on, until it is destroyed, `control` is named `name` to screen
// readers, in place of its caption with the access key's letter in
// brackets and its colon. Each control takes one of these two calls, once.
void SetSpokenName(HWND control, std::u16string name);

// From now on, until it is destroyed, `picture` answers screen readers as a
// link named `name`. Its default action is the click its window already
// answers, posted so that it runs outside the screen reader's call.
void MakeAccessibleLink(HWND picture, std::u16string name);

}  // namespace lotwheel::win32
