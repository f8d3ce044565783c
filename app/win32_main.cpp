// Start-up on Windows: the main window and its message loop.
#include <windows.h>

#include "ui/win32/dialog_message.h"
#include "ui/win32/frm_lotwheel.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
  // Before anything else loads a DLL: from now on a DLL asked for by name,
  // by us or by Windows on our behalf, comes from System32 alone, never
  // from the program's folder or the current one, where a download may
  // have put a file of the same name.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  lotwheel::win32::frmLotwheel window;
  window.Show(show_command);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (lotwheel::win32::RouteDialogMessage(window.hwnd(), msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
