// Creating and placing a window's controls from its shared table.
#include "ui/win32/control_set.h"

#include <commctrl.h>

#include <cstdlib>

#include "ui/twips.h"
#include "ui/win32/accessible_name.h"
#include "ui/win32/fonts.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::win32 {
namespace {

using ui::ControlKind;

struct ClassAndStyle {
  const wchar_t* window_class;
  DWORD style;
  DWORD ex_style;
};

// Every control starts its own group, so the arrow keys never move the
// focus from one button to the next: only Tab does.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_GROUP;

DWORD LabelStyle(const ui::ControlInfo& info) {
  // A caption without "&" shows every character and has no access key.
  const DWORD prefix = ui::HasAccessKey(info.caption) ? 0 : SS_NOPREFIX;
  if (info.align == ui::TextAlign::kRight) return SS_RIGHT | prefix;
  if (info.wrap == ui::TextWrap::kNone) return SS_LEFTNOWORDWRAP | prefix;
  return SS_LEFT | prefix;
}

ClassAndStyle ClassFor(const ui::ControlInfo& info) {
  switch (info.kind) {
    case ControlKind::kLabel:
      return {L"STATIC", kChild | LabelStyle(info), 0};
    case ControlKind::kList:
      return {WC_LISTVIEWW,
              kChild | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                  LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
              WS_EX_CLIENTEDGE};
    case ControlKind::kFrame:
      return {L"BUTTON", kChild | BS_GROUPBOX, 0};
    case ControlKind::kLineEdit:
      return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kTextArea:
      // No horizontal scrolling: long lines wrap at the right edge. Without
      // ES_WANTRETURN, Enter presses the default button as in any dialog,
      // and Ctrl+Enter starts a new line.
      return {L"EDIT",
              kChild | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                  (info.enter == ui::EnterKey::kNewLine ? ES_WANTRETURN : 0),
              WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kPicture:
      return {L"STATIC",
              kChild | SS_NOTIFY | SS_REALSIZECONTROL |
                  (info.art == ui::Art::kAppIcon ? SS_ICON : SS_BITMAP),
              0};
  }
  std::abort();
}

bool NeedsNameLabel(ControlKind kind) {
  return kind == ControlKind::kList || kind == ControlKind::kLineEdit ||
         kind == ControlKind::kTextArea;
}

HINSTANCE InstanceOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

// A picture's own size in pixels: its place in the table at 15 twips to the
// pixel. It is shown at that size at every DPI, never stretched.
SIZE NaturalSize(const ui::ControlInfo& info) {
  return {ui::PixelsFromTwips(info.rect.width),
          ui::PixelsFromTwips(info.rect.height)};
}

// A multi-line edit in a dialog would close the window on Esc; instead Esc
// does there what it does everywhere else in the window, through the dialog
// manager's IDCANCEL.
LRESULT CALLBACK TextAreaProc(HWND hwnd, UINT message, WPARAM wparam,
                              LPARAM lparam, UINT_PTR id, DWORD_PTR) {
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wparam == VK_ESCAPE) {
    if (message == WM_KEYDOWN)
      SendMessageW(GetParent(hwnd), WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &TextAreaProc, id);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

int ControlSet::CommandId(const ui::ControlTable& table, ui::ControlId id) {
  return kFirstControlId +
         static_cast<int>(&table.Row(id) - table.controls.data());
}

ControlSet::ControlSet(HWND parent, const ui::ControlTable& table)
    : parent_(parent), table_(table) {
  handles_.reserve(table.controls.size());
  for (size_t row = 0; row < table.controls.size(); ++row) {
    handles_.push_back(
        Create(table.controls[row], kFirstControlId + static_cast<int>(row)));
  }
  if (const auto button = DefaultButton())
    SendMessageW(parent_, DM_SETDEFID, CommandId(table_, *button), 0);
}

HWND ControlSet::Create(const ui::ControlInfo& info, int id) {
  const HINSTANCE instance = InstanceOf(parent_);
  if (NeedsNameLabel(info.kind)) {
    // A screen reader names a box or list by the static text just before it
    // in z-order; this hidden one says exactly what it should, without the
    // visible label's access key and colon.
    CreateWindowExW(0, L"STATIC", ToWide(info.spoken_name).c_str(),
                    WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, parent_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), instance,
                    nullptr);
  }
  const ClassAndStyle kind = ClassFor(info);
  const std::wstring text = info.kind == ControlKind::kPicture
                                ? std::wstring()
                                : ToWide(info.caption);
  HWND control = CreateWindowExW(
      kind.ex_style, kind.window_class, text.c_str(), kind.style, 0, 0, 0, 0,
      parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
      nullptr);
  if (control == nullptr) std::abort();
  // Spoken without the access key's bracketed letter and the colon that
  // Windows would read out from the caption.
  // Boxes and lists take theirs from the hidden label; a subclass on a list
  // of 32,767 rows would cost each update more than the list itself.
  if (info.kind != ControlKind::kPicture && !NeedsNameLabel(info.kind))
    SetSpokenName(control, info.spoken_name);
  if (info.kind == ControlKind::kPicture) ShowArt(control, info);
  if (info.kind == ControlKind::kTextArea)
    SetWindowSubclass(control, &TextAreaProc, 0, 0);
  if (info.kind == ControlKind::kList) {
    ListView_SetExtendedListViewStyle(
        control, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    ListView_InsertColumn(control, 0, &column);
  }
  if (info.kind == ControlKind::kLineEdit ||
      info.kind == ControlKind::kTextArea) {
    // Lift the edit control's own limit (about 30,000 characters, 32,767 on
    // one line), which would cut a long paste and lose entries.
    SendMessageW(control, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  }
  if (!info.tooltip.empty()) AddTooltip(control, info.tooltip);
  return control;
}

void ControlSet::ShowArt(HWND picture, const ui::ControlInfo& info) {
  const HINSTANCE instance = InstanceOf(parent_);
  UINT type = IMAGE_BITMAP;
  HANDLE image = nullptr;
  if (info.art == ui::Art::kAppIcon) {
    // The icon's image of exactly that size, not one scaled from another.
    const SIZE size = NaturalSize(info);
    icons_.emplace_back(
        static_cast<HICON>(LoadImageW(instance, kAppIconName, IMAGE_ICON,
                                      size.cx, size.cy, LR_DEFAULTCOLOR)));
    type = IMAGE_ICON;
    image = icons_.back().get();
  } else {
    // Kept as the 24-bit bitmap it is, whatever the screen's depth.
    const int resource =
        info.art == ui::Art::kGroupBanner ? IDB_BANNER_GROUP : IDB_BANNER_LABEL;
    bitmaps_.emplace_back(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0,
                   LR_CREATEDIBSECTION)));
    image = bitmaps_.back().get();
  }
  SendMessageW(picture, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
  // What a screen reader says for it. Straight to the window's text: the
  // picture control itself would take a text as the name of an image.
  DefWindowProcW(picture, WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(ToWide(info.spoken_name).c_str()));
  if (!info.link.empty()) MakeAccessibleLink(picture, info.spoken_name);
}

void ControlSet::AddTooltip(HWND control, std::u16string_view text) {
  if (tooltip_ == nullptr) {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                        parent_, nullptr, InstanceOf(parent_), nullptr);
  }
  std::wstring copy = ToWide(text);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = parent_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = copy.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND ControlSet::Handle(ui::ControlId id) const {
  return handles_[static_cast<size_t>(CommandId(table_, id) - kFirstControlId)];
}

std::optional<ui::ControlId> ControlSet::FromCommand(int command) const {
  const int row = command - kFirstControlId;
  if (row < 0 || row >= static_cast<int>(handles_.size())) return std::nullopt;
  return table_.controls[static_cast<size_t>(row)].id;
}

std::optional<ui::ControlId> ControlSet::Find(HWND control) const {
  for (size_t row = 0; row < handles_.size(); ++row) {
    if (handles_[row] == control) return table_.controls[row].id;
  }
  return std::nullopt;
}

std::optional<ui::ControlId> ControlSet::DefaultButton() const {
  for (const ui::ControlInfo& info : table_.controls) {
    if (info.default_button) return info.id;
  }
  return std::nullopt;
}

SIZE ControlSet::ClientSize(UINT dpi) const {
  const int d = static_cast<int>(dpi);
  return {ui::PixelsFromTwips(table_.client_width, d),
          ui::PixelsFromTwips(table_.client_height, d)};
}

RECT ControlSet::PixelRect(const ui::ControlInfo& info, UINT dpi) const {
  const int d = static_cast<int>(dpi);
  // A control inside a frame is measured from the frame's corner.
  POINT origin{0, 0};
  if (info.parent) {
    const RECT frame = PixelRect(table_.Row(*info.parent), dpi);
    origin = {frame.left, frame.top};
  }
  const LONG left = origin.x + ui::PixelsFromTwips(info.rect.left, d);
  const LONG top = origin.y + ui::PixelsFromTwips(info.rect.top, d);
  RECT rect{left, top, left + ui::PixelsFromTwips(info.rect.width, d),
            top + ui::PixelsFromTwips(info.rect.height, d)};
  if (info.kind == ControlKind::kPicture) {
    // At its own size, in the middle of its place.
    const SIZE size = NaturalSize(info);
    rect.left += (rect.right - rect.left - size.cx) / 2;
    rect.top += (rect.bottom - rect.top - size.cy) / 2;
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
  }
  return rect;
}

void ControlSet::Layout(UINT dpi) {
  std::array<FontHandle, 3> old_fonts = std::move(fonts_);
  for (size_t row = 0; row < handles_.size(); ++row) {
    const ui::ControlInfo& info = table_.controls[row];
    const RECT rect = PixelRect(info, dpi);
    SetWindowPos(handles_[row], nullptr, rect.left, rect.top,
                 rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FontHandle& font = fonts_[static_cast<size_t>(info.font)];
    // A label in a face of its own keeps its whole caption in view.
    if (!font && info.kind == ControlKind::kLabel &&
        info.font != ui::ControlFont::kInterface)
      font = CreateFittingFont(info.font, dpi, ToWide(info.caption),
                               rect.right - rect.left);
    if (!font) font = CreateControlFont(info.font, dpi);
    SendMessageW(handles_[row], WM_SETFONT,
                 reinterpret_cast<WPARAM>(font.get()), TRUE);
    if (info.kind == ControlKind::kList) FitListColumn(handles_[row]);
  }
  // The old faces go only now that no control uses them.
  old_fonts = {};
}

void FitListColumn(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  if (ListView_GetColumnWidth(list, 0) != client.right - client.left)
    ListView_SetColumnWidth(list, 0, client.right - client.left);
}

}  // namespace lotwheel::win32
