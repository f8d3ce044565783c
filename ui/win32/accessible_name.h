// What a screen reader learns of a control or window beyond what Windows
// tells it: its spoken name, for a picture that opens a web page that it is a
// link, and for a window a description to say as it opens.
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

// From now on, until it is destroyed, the top-level `window` is described
// to screen readers by `text`, read after its title as it opens; its name
// stays its title.
void SetAccessibleDescription(HWND window, std::u16string text);

}  // namespace lotwheel::win32
