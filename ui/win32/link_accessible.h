// What a screen reader learns of a picture that opens a web page: a link,
// named like the picture, whose default action clicks it.
#pragma once

#include <windows.h>

#include <string>

namespace lotwheel::win32 {

// From now on, until it is destroyed, `picture` answers screen readers as a
// link named `name`. Its default action is the click its window already
// answers, posted so that it runs outside the screen reader's call.
void MakeAccessibleLink(HWND picture, std::u16string name);

}  // namespace lotwheel::win32
