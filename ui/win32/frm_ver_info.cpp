// The version window: version line, credits and the two link banners.
#include "ui/win32/frm_ver_info.h"

#include <algorithm>

#include "ui/win32/accessible_name.h"
#include "ui/win32/dialog_message.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {

frmVerInfo::frmVerInfo(HWND owner)
    : DialogWindow(ui::VerInfoWindowTable()), owner_(owner), presenter_(*this) {
  // Made where the owner is, so that it starts at the owner's DPI.
  RECT owner_rect{};
  if (owner != nullptr) GetWindowRect(owner, &owner_rect);
  // A fixed dialog frame with the close box alone. The modal frame keeps
  // the title bar free of an icon; a popup owned by the main window stays
  // above it and has no taskbar button.
  Create({.class_name = kClassName,
          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
          .ex_style = WS_EX_DLGMODALFRAME},
         owner, {owner_rect.left, owner_rect.top});
  PlaceOverOwner();
}

frmVerInfo::~frmVerInfo() { Close(); }

void frmVerInfo::ShowModal(HWND owner) { frmVerInfo(owner).RunModal(); }

void frmVerInfo::RunModal() {
  EnableWindow(owner_, FALSE);
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  presenter_.Start();
  MSG msg;
  while (hwnd() != nullptr) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The program is ending: the main loop gets the request again.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (RouteDialogMessage(hwnd(), msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void frmVerInfo::SetText(ui::VerInfoControl control, std::u16string_view text) {
  SetWindowTextW(Control(control), ToWide(text).c_str());
}

void frmVerInfo::SetDescription(std::u16string_view text) {
  SetAccessibleDescription(hwnd(), std::u16string(text));
}

void frmVerInfo::SetFocus(ui::VerInfoControl control) {
  MoveFocus(control);
  // The dialog manager selects a box's whole text as it enters it; the
  // credits show with the caret at their start and nothing selected.
  if (controls().table().Row(control).kind == ui::ControlKind::kTextArea)
    SendMessageW(Control(control), EM_SETSEL, 0, 0);
}

void frmVerInfo::OpenAddress(const std::string& address) {
  OpenWebPage(address);
}

void frmVerInfo::Close() {
  if (hwnd() == nullptr) return;
  EnableWindow(owner_, TRUE);
  Destroy();
}

void frmVerInfo::OnPress(ui::ControlId control) {
  presenter_.Press(*control.As<ui::VerInfoControl>());
}

bool frmVerInfo::OnMessage(UINT message, WPARAM /*wparam*/, LPARAM /*lparam*/,
                           LRESULT& /*result*/) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return true;
    case WM_DESTROY:
      // Destroyed by someone else: the owner must not stay disabled.
      EnableWindow(owner_, TRUE);
      return false;
    default:
      return false;
  }
}

void frmVerInfo::PlaceOverOwner() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  const LONG width = window.right - window.left;
  const LONG height = window.bottom - window.top;
  RECT over{};
  if (owner_ == nullptr || !GetWindowRect(owner_, &over)) over = window;
  // In the middle of the owner, but whole on the owner's screen.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  LONG left = (over.left + over.right - width) / 2;
  LONG top = (over.top + over.bottom - height) / 2;
  left = std::max(work.left, std::min(left, work.right - width));
  top = std::max(work.top, std::min(top, work.bottom - height));
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

}  // namespace lotwheel::win32
