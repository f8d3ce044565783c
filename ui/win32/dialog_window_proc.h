// The window procedure of a window class whose windows are C++ objects that
// the dialog manager drives.
#pragma once

#include <windows.h>

namespace lotwheel::win32 {

// The object comes with WM_NCCREATE (CreateWindowExW's last argument) and
// answers each message through its OnMessage; whatever it leaves goes to
// DefDlgProcW, so that IsDialogMessageW treats the window as a dialog. The
// window class needs DLGWINDOWEXTRA; the class declares this its friend.
template <typename Window>
LRESULT CALLBACK DialogWindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                  LPARAM lparam) {
  auto* self =
      reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(
        reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  LRESULT result = 0;
  if (self != nullptr && self->OnMessage(message, wparam, lparam, result))
    return result;
  return DefDlgProcW(hwnd, message, wparam, lparam);
}

}  // namespace lotwheel::win32
