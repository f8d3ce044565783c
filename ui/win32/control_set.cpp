// Creating and placing a window's controls from its shared table.
#include "ui/win32/control_set.h"

#include <commctrl.h>

#include <cstdlib>

#include "ui/twips.h"
#include "ui/win32/accessible_name.h"
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

ClassAndStyle ClassFor(const ui::ControlInfo& info) {
  const bool has_access_key = info.caption.find(u'&') != std::u16string::npos;
  switch (info.kind) {
    case ControlKind::kLabel:
      // A caption without "&" shows every character and has no access key.
      return {L"STATIC", kChild | SS_LEFT | (has_access_key ? 0 : SS_NOPREFIX),
              0};
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
      // No horizontal scrolling: long lines wrap at the right edge.
      return {L"EDIT",
              kChild | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN |
                  ES_AUTOVSCROLL,
              WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kPicture:
      // The window that owns the picture gives it its image.
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

}  // namespace

ControlSet::ControlSet(HWND parent, const ui::WindowLayout& layout)
    : parent_(parent), layout_(layout) {
  handles_.reserve(layout.controls.size());
  for (size_t row = 0; row < layout.controls.size(); ++row) {
    handles_.push_back(
        Create(layout.controls[row], kFirstControlId + static_cast<int>(row)));
  }
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

HWND ControlSet::Handle(std::string_view name) const {
  for (size_t row = 0; row < handles_.size(); ++row) {
    if (layout_.controls[row].name == name) return handles_[row];
  }
  std::abort();
}

int ControlSet::Id(std::string_view name) const {
  return GetDlgCtrlID(Handle(name));
}

SIZE ControlSet::ClientSize(UINT dpi) const {
  const int d = static_cast<int>(dpi);
  return {ui::PixelsFromTwips(layout_.client_width, d),
          ui::PixelsFromTwips(layout_.client_height, d)};
}

RECT ControlSet::PixelRect(const ui::ControlInfo& info, UINT dpi) const {
  const int d = static_cast<int>(dpi);
  // A control inside a frame is measured from the frame's corner.
  POINT origin{0, 0};
  if (!info.parent.empty()) {
    const RECT frame = PixelRect(layout_.Control(info.parent), dpi);
    origin = {frame.left, frame.top};
  }
  const LONG left = origin.x + ui::PixelsFromTwips(info.rect.left, d);
  const LONG top = origin.y + ui::PixelsFromTwips(info.rect.top, d);
  return {left, top, left + ui::PixelsFromTwips(info.rect.width, d),
          top + ui::PixelsFromTwips(info.rect.height, d)};
}

void ControlSet::Layout(UINT dpi) {
  std::array<FontHandle, 3> old_fonts = std::move(fonts_);
  for (size_t row = 0; row < handles_.size(); ++row) {
    const ui::ControlInfo& info = layout_.controls[row];
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
