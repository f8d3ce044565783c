// The version window: version line, credits and the two link banners.
#include "ui/win32/frm_ver_info.h"

#include <objbase.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ui/twips.h"
#include "ui/win32/accessible_name.h"
#include "ui/win32/dialog_message.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"

using lotwheel::ui::Art;
using lotwheel::ui::ControlInfo;
using lotwheel::ui::ControlKind;

namespace {

// A fixed dialog frame with the close box alone. The modal frame keeps the
// title bar free of an icon; a popup owned by the main window stays above it
// and has no taskbar button.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

const lotwheel::ui::WindowLayout& Layout() {
  return lotwheel::ui::VerInfoWindowLayout();
}

// A picture's own size in pixels: its place in the table at 15 twips to the
// pixel. It is shown at that size at every DPI, never stretched.
SIZE NaturalSize(const ControlInfo& info) {
  return {lotwheel::ui::PixelsFromTwips(info.rect.width),
          lotwheel::ui::PixelsFromTwips(info.rect.height)};
}

UINT ImageType(const ControlInfo& info) {
  return info.art == Art::kAppIcon ? IMAGE_ICON : IMAGE_BITMAP;
}

HANDLE LoadPicture(const ControlInfo& info) {
  const SIZE size = NaturalSize(info);
  switch (info.art) {
    case Art::kAppIcon:
      // The icon's image of exactly that size, not one scaled from another.
      return LoadImageW(Instance(), lotwheel::win32::kAppIconName, IMAGE_ICON,
                        size.cx, size.cy, LR_DEFAULTCOLOR);
    case Art::kGroupBanner:
    case Art::kLabelBanner:
      // Kept as the 24-bit bitmap it is, whatever the screen's depth.
      return LoadImageW(
          Instance(),
          MAKEINTRESOURCEW(info.art == Art::kGroupBanner ? IDB_BANNER_GROUP
                                                         : IDB_BANNER_LABEL),
          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    case Art::kHandPointer:
    case Art::kNone:
      break;
  }
  return nullptr;
}

void FreePicture(const ControlInfo& info, HANDLE image) {
  if (image == nullptr) return;
  if (ImageType(info) == IMAGE_ICON)
    DestroyIcon(static_cast<HICON>(image));
  else
    DeleteObject(image);
}

// How a label lays out its text: SS_LEFT, SS_RIGHT, SS_LEFTNOWORDWRAP...
void SetLabelType(HWND label, LONG_PTR type) {
  SetWindowLongPtrW(
      label, GWL_STYLE,
      (GetWindowLongPtrW(label, GWL_STYLE) & ~SS_TYPEMASK) | type);
}

RECT ChildRect(HWND parent, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

void ShowVerInfo(HWND owner) {
  frmVerInfo window(owner);
  window.ShowModal();
}

frmVerInfo::frmVerInfo(HWND owner)
    : owner_(owner),
      // Screen readers get the banners' link objects through COM.
      com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
  // No icon: the title bar shows none.
  lotwheel::win32::RegisterDialogClass<frmVerInfo>(kClassName, nullptr);
  // Made where the owner is, so that it starts at the owner's DPI.
  RECT owner_rect{};
  if (owner != nullptr) GetWindowRect(owner, &owner_rect);
  CreateWindowExW(kExStyle, kClassName,
                  lotwheel::win32::ToWide(Layout().title).c_str(), kStyle,
                  owner_rect.left, owner_rect.top, 0, 0, owner, nullptr,
                  Instance(), this);
  if (hwnd_ == nullptr) std::abort();
  PlaceOverOwner();
}

frmVerInfo::~frmVerInfo() {
  Close();
  // The controls are gone, so nothing shows these any more.
  for (size_t row = 0; row < images_.size(); ++row)
    FreePicture(Layout().controls[row], images_[row]);
  if (com_) CoUninitialize();
}

void frmVerInfo::ShowModal() {
  EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  // The focus on the credits, with the caret at its start and nothing
  // selected, as it is after every opening.
  HWND first = controls_->Handle(Layout().FocusOrder().front());
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
  SendMessageW(first, EM_SETSEL, 0, 0);
  MSG msg;
  while (hwnd_ != nullptr) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The program is ending: the main loop gets the request again.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (lotwheel::win32::RouteDialogMessage(hwnd_, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool frmVerInfo::OnMessage(UINT message, WPARAM wparam, LPARAM lparam,
                           LRESULT& result) {
  // The controls notify their window while they are being made, before
  // there is a table to look them up in.
  if (controls_ == nullptr &&
      (message == WM_COMMAND || message == WM_SETCURSOR ||
       message == WM_DPICHANGED))
    return false;
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return true;
    case WM_DPICHANGED:
      ApplyDpi(LOWORD(wparam), reinterpret_cast<const RECT*>(lparam));
      return true;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return true;
    case WM_SETCURSOR:
      result = TRUE;
      return SetPointer(reinterpret_cast<HWND>(wparam));
    case WM_CLOSE:
      Close();
      return true;
    case WM_DESTROY:
      // Destroyed by someone else: the owner must not stay disabled.
      EnableWindow(owner_, TRUE);
      return false;
    case WM_NCDESTROY:
      controls_.reset();
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return false;
    default:
      return false;
  }
}

void frmVerInfo::OnCreate() {
  controls_ = std::make_unique<lotwheel::win32::ControlSet>(hwnd_, Layout());
  // Enter presses OK even in the credits box, the way a multi-line edit in a
  // dialog does without this style; Ctrl+Enter still starts a new line.
  HWND credits = controls_->Handle("Text1");
  SetWindowLongPtrW(credits, GWL_STYLE,
                    GetWindowLongPtrW(credits, GWL_STYLE) & ~ES_WANTRETURN);
  // The name is one line: where its face runs wider than its place, it is
  // cut at the right edge rather than losing its last word to a second line
  // that has no room to show.
  SetLabelType(controls_->Handle("Label1"), SS_LEFTNOWORDWRAP);
  // The version line stands flush with the right edge it shares with the
  // name above it and the credits below.
  SetLabelType(controls_->Handle("lblVerinfo"), SS_RIGHT);
  SendMessageW(hwnd_, DM_SETDEFID, controls_->Id("cmdOK"), 0);
  hand_ = static_cast<HCURSOR>(LoadImageW(Instance(),
                                          MAKEINTRESOURCEW(IDC_HAND_POINTER),
                                          IMAGE_CURSOR, 0, 0, LR_SHARED));
  LoadPictures();
  ApplyDpi(GetDpiForWindow(hwnd_), nullptr);
}

void frmVerInfo::LoadPictures() {
  const auto& rows = Layout().controls;
  images_.assign(rows.size(), nullptr);
  for (size_t row = 0; row < rows.size(); ++row) {
    const ControlInfo& info = rows[row];
    if (info.kind != ControlKind::kPicture) continue;
    HWND picture = controls_->Handle(info.name);
    images_[row] = LoadPicture(info);
    SendMessageW(picture, STM_SETIMAGE, ImageType(info),
                 reinterpret_cast<LPARAM>(images_[row]));
    // What a screen reader says for it. Straight to the window's text: the
    // picture control itself would take a text as the name of an image.
    DefWindowProcW(picture, WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(
                       lotwheel::win32::ToWide(info.spoken_name).c_str()));
    if (!info.link.empty())
      lotwheel::win32::MakeAccessibleLink(picture, info.spoken_name);
  }
}

void frmVerInfo::ApplyDpi(UINT dpi, const RECT* suggested) {
  const SIZE client = controls_->ClientSize(dpi);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
  SIZE outer{frame.right - frame.left, frame.bottom - frame.top};
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  POINT place{};
  if (suggested != nullptr)
    place = {suggested->left, suggested->top};
  else
    flags |= SWP_NOMOVE;
  SetWindowPos(hwnd_, nullptr, place.x, place.y, outer.cx, outer.cy, flags);
  // The frame may be drawn wider than the system says; the client area is
  // what has to be exact.
  RECT got{};
  GetClientRect(hwnd_, &got);
  if (got.right != client.cx || got.bottom != client.cy) {
    outer.cx += client.cx - got.right;
    outer.cy += client.cy - got.bottom;
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  controls_->Layout(dpi);
  PlacePictures();
}

void frmVerInfo::PlacePictures() {
  for (const ControlInfo& info : Layout().controls) {
    if (info.kind != ControlKind::kPicture) continue;
    HWND picture = controls_->Handle(info.name);
    const RECT slot = ChildRect(hwnd_, picture);
    const SIZE size = NaturalSize(info);
    SetWindowPos(picture, nullptr,
                 slot.left + (slot.right - slot.left - size.cx) / 2,
                 slot.top + (slot.bottom - slot.top - size.cy) / 2, size.cx,
                 size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void frmVerInfo::PlaceOverOwner() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
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
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void frmVerInfo::OnCommand(int id, int code, HWND control) {
  // OK is both the default and the cancel button: the dialog manager's
  // IDOK and IDCANCEL (Enter and Esc) close the window like its own click.
  if (id == IDOK || id == IDCANCEL || id == controls_->Id("cmdOK")) {
    if (code == BN_CLICKED) Close();
    return;
  }
  // A double click is a second click on the picture: it opens the page
  // again.
  if (code != STN_CLICKED && code != STN_DBLCLK) return;
  for (const ControlInfo& info : Layout().controls) {
    if (!info.link.empty() && controls_->Handle(info.name) == control)
      lotwheel::win32::OpenWebPage(info.link);
  }
}

bool frmVerInfo::SetPointer(HWND under) {
  for (const ControlInfo& info : Layout().controls) {
    if (!info.link.empty() && controls_->Handle(info.name) == under) {
      SetCursor(hand_);
      return true;
    }
  }
  return false;
}

void frmVerInfo::Close() {
  if (hwnd_ == nullptr) return;
  EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
}
