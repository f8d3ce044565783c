// The version window: not built yet, so the version button opens nothing.
#include "ui/win32/frm_ver_info.h"

void ShowVerInfo(HWND /*owner*/) {}
