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

// Registers the window class `class_name` for windows of type Window, with
// room for the dialog manager's own data (DLGWINDOWEXTRA), so that
// DefDlgProcW and IsDialogMessageW give them Tab, access keys and the
// default and cancel buttons exactly as every Windows dialog has them.
// `icon` may be null. Registering a second time fails harmlessly.
template <typename Window>
void RegisterDialogClass(const wchar_t* class_name, HICON icon) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &DialogWindowProc<Window>;
  window_class.cbWndExtra = DLGWINDOWEXTRA;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = class_name;
  window_class.hIcon = icon;
  RegisterClassExW(&window_class);
}

}  // namespace lotwheel::win32
