// The plumbing both Windows windows share.
#include "ui/win32/dialog_window.h"

#include <commctrl.h>

#include <cstdlib>

#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

IconHandle LoadAppIcon(int width_metric, int height_metric, UINT dpi) {
  return IconHandle(static_cast<HICON>(
      LoadImageW(Instance(), kAppIconName, IMAGE_ICON,
                 GetSystemMetricsForDpi(width_metric, dpi),
                 GetSystemMetricsForDpi(height_metric, dpi), LR_DEFAULTCOLOR)));
}

// Registers the window class with room for the dialog manager's own data
// (DLGWINDOWEXTRA), so that DefDlgProcW and IsDialogMessageW give its
// windows Tab, access keys and the default and cancel buttons exactly as
// every Windows dialog has them. A second registration fails harmlessly.
void RegisterDialogClass(const wchar_t* class_name, bool icon, WNDPROC proc) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = proc;
  window_class.cbWndExtra = DLGWINDOWEXTRA;
  window_class.hInstance = Instance();
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = class_name;
  if (icon) {
    window_class.hIcon =
        static_cast<HICON>(LoadImageW(Instance(), kAppIconName, IMAGE_ICON, 0,
                                      0, LR_DEFAULTSIZE | LR_SHARED));
  }
  RegisterClassExW(&window_class);
}

}  // namespace

DialogWindow::DialogWindow(const ui::ControlTable& table) : table_(table) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC =
      ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);
}

DialogWindow::~DialogWindow() {
  if (hwnd_ == nullptr) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void DialogWindow::Create(const Frame& frame, HWND owner, POINT place) {
  frame_ = frame;
  RegisterDialogClass(frame.class_name, frame.icon, &Proc);
  CreateWindowExW(frame.ex_style, frame.class_name,
                  ToWide(table_.title).c_str(), frame.style, place.x, place.y,
                  0, 0, owner, nullptr, Instance(), this);
  if (hwnd_ == nullptr) std::abort();
}

void DialogWindow::Destroy() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void DialogWindow::MoveFocus(ui::ControlId control) {
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(control)),
               TRUE);
}

std::optional<ui::ControlId> DialogWindow::FocusedControl() const {
  if (controls_ == nullptr) return std::nullopt;
  return controls_->Find(GetFocus());
}

// The object comes with WM_NCCREATE (CreateWindowExW's last argument);
// whatever it leaves goes to DefDlgProcW, so that IsDialogMessageW treats the
// window as a dialog.
LRESULT CALLBACK DialogWindow::Proc(HWND hwnd, UINT message, WPARAM wparam,
                                    LPARAM lparam) {
  auto* self =
      reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<DialogWindow*>(
        reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  LRESULT result = 0;
  if (self != nullptr && self->Answer(message, wparam, lparam, result))
    return result;
  return DefDlgProcW(hwnd, message, wparam, lparam);
}

bool DialogWindow::Answer(UINT message, WPARAM wparam, LPARAM lparam,
                          LRESULT& result) {
  if (message == WM_CREATE) {
    controls_ = std::make_unique<ControlSet>(hwnd_, table_);
    ApplyDpi(GetDpiForWindow(hwnd_), nullptr);
    return true;
  }
  if (message == WM_NCDESTROY) {
    // The controls are gone, so nothing shows their faces and pictures.
    controls_.reset();
    big_icon_.reset();
    small_icon_.reset();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    return false;
  }
  // The controls notify their window while they are being made, before
  // there is a set to look them up in.
  if (controls_ == nullptr) return false;
  if (OnMessage(message, wparam, lparam, result)) return true;
  switch (message) {
    case WM_GETMINMAXINFO: {
      // The layout is fixed: neither a small screen nor anything else may
      // cut the window short.
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize =
          info->ptMaxTrackSize = {outer_size_.cx, outer_size_.cy};
      return true;
    }
    case WM_DPICHANGED:
      ApplyDpi(LOWORD(wparam), reinterpret_cast<const RECT*>(lparam));
      return true;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return true;
    case WM_SETCURSOR:
      result = TRUE;
      return SetPointer(reinterpret_cast<HWND>(wparam));
    default:
      return false;
  }
}

void DialogWindow::OnCommand(int command, int code) {
  std::optional<ui::ControlId> control = controls_->FromCommand(command);
  // Enter and Esc with no button of the window behind them come as the
  // dialog manager's IDOK and IDCANCEL.
  if (!control && (command == IDOK || command == IDCANCEL))
    control = controls_->DefaultButton();
  if (!control) return;
  // A double click on a picture is a second click.
  const bool picture = table_.Row(*control).kind == ui::ControlKind::kPicture;
  if (code == BN_CLICKED || (picture && code == STN_DBLCLK)) OnPress(*control);
}

void DialogWindow::ApplyDpi(UINT dpi, const RECT* suggested) {
  const SIZE client = controls_->ClientSize(dpi);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, frame_.style, FALSE, frame_.ex_style, dpi);
  outer_size_ = {frame.right - frame.left, frame.bottom - frame.top};
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  POINT place{};
  if (suggested != nullptr)
    place = {suggested->left, suggested->top};
  else
    flags |= SWP_NOMOVE;
  SetWindowPos(hwnd_, nullptr, place.x, place.y, outer_size_.cx, outer_size_.cy,
               flags);
  // The frame may be drawn wider than the system says (a theme, a title
  // that wraps); the client area is what has to be exact.
  RECT got{};
  GetClientRect(hwnd_, &got);
  if (got.right != client.cx || got.bottom != client.cy) {
    outer_size_.cx += client.cx - got.right;
    outer_size_.cy += client.cy - got.bottom;
    SetWindowPos(hwnd_, nullptr, 0, 0, outer_size_.cx, outer_size_.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  controls_->Layout(dpi);
  SetIcons(dpi);
}

void DialogWindow::SetIcons(UINT dpi) {
  if (!frame_.icon) return;
  IconHandle big = LoadAppIcon(SM_CXICON, SM_CYICON, dpi);
  IconHandle small = LoadAppIcon(SM_CXSMICON, SM_CYSMICON, dpi);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(big.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(small.get()));
  // The icons of the last DPI go now that the window shows them no more.
  big_icon_ = std::move(big);
  small_icon_ = std::move(small);
}

bool DialogWindow::SetPointer(HWND under) {
  const std::optional<ui::ControlId> control = controls_->Find(under);
  if (!control || table_.Row(*control).link.empty()) return false;
  SetCursor(static_cast<HCURSOR>(LoadImageW(Instance(),
                                            MAKEINTRESOURCEW(IDC_HAND_POINTER),
                                            IMAGE_CURSOR, 0, 0, LR_SHARED)));
  return true;
}

}  // namespace lotwheel::win32
