// The version window: opened modally over its owner by the version button.
#pragma once

#include <windows.h>

// Shows the version window over `owner` and returns when it is closed; the
// owner takes no input meanwhile.
void ShowVerInfo(HWND owner);
