// Drives a real main window as a user and a screen reader would: through its
// messages, keys posted to the focused control and the dialog manager, and
// the list views' own row requests.
#pragma once

#include <windows.h>

// After windows.h, which they build on.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/control_table.h"
#include "ui/win32/dialog_message.h"
#include "ui/win32/frm_lotwheel.h"
#include "ui/win32/wide_text.h"

namespace lotwheel::ui {

// A failure names a control as its table does.
inline void PrintTo(ControlId id, std::ostream* out) {
  for (const ControlTable* table : {&MainWindowTable(), &VerInfoWindowTable()})
    for (const ControlInfo& info : table->controls)
      if (info.id == id) *out << info.name;
}
inline void PrintTo(MainControl id, std::ostream* out) {
  PrintTo(ControlId(id), out);
}
inline void PrintTo(VerInfoControl id, std::ostream* out) {
  PrintTo(ControlId(id), out);
}

}  // namespace lotwheel::ui

namespace lotwheel::win32 {

using Id = ui::MainControl;

// `count` lines, `prefix` and the line's number, joined with CR LF.
inline std::u16string Lines(int count, std::u16string_view prefix) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    text += (i > 0 ? u"\r\n" : u"") + std::u16string(prefix);
    for (char c : std::to_string(i)) text += static_cast<char16_t>(c);
  }
  return text;
}

inline std::u16string ClipboardText() {
  std::u16string text = u"(closed)";
  if (!OpenClipboard(nullptr)) return text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  text = data ? static_cast<const char16_t*>(GlobalLock(data)) : u"";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  return text;
}

// What a screen reader reads of a control or window; it follows a link
// too if asked.
struct Spoken {
  std::u16string name{}, description{};
  long role = 0;
};
inline Spoken SpokenOf(HWND window, bool follow_link = false) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                             reinterpret_cast<void**>(&object));
  if (object == nullptr) return {.name = u"(none)"};
  VARIANT self{}, role{};
  self.vt = VT_I4;  // CHILDID_SELF
  BSTR name = nullptr, description = nullptr;
  object->get_accName(self, &name);
  object->get_accDescription(self, &description);
  object->get_accRole(self, &role);
  if (follow_link) object->accDoDefaultAction(self);
  Spoken spoken{name ? ToU16(name) : u"",
                description ? ToU16(description) : u"",
                role.vt == VT_I4 ? role.lVal : 0};
  SysFreeString(name);
  SysFreeString(description);
  object->Release();
  return spoken;
}

// A closed window asks the program to end; the tests go on.
inline void DropQuit() {
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

class WindowDriver : public ::testing::Test {
 protected:
  using Texts = std::vector<std::u16string>;

  WindowDriver() { Reopen(); }
  ~WindowDriver() override {
    w.reset();
    DropQuit();
  }

  // A fresh window, as at the program's start.
  void Reopen() {
    w = std::make_unique<frmLotwheel>();
    DropQuit();
    w->UseMessageBox([this](HWND owner, std::u16string_view text) {
      EXPECT_EQ(owner, w->hwnd());
      messages.emplace_back(text);
    });
    w->Show(SW_SHOWNORMAL);
    Pump();
  }

  // Takes every queued message through the dialog manager, as the program's
  // own loop does.
  void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit_posted = true;
      } else if (!RouteDialogMessage(w->hwnd(), msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  }

  HWND Get(ui::ControlId id) const { return w->Control(id); }
  std::u16string Text(Id id) const { return WindowText(Get(id)); }
  void SetText(Id id, std::u16string_view text) {
    SetWindowTextW(Get(id), ToWide(text).c_str());
  }
  void Click(Id button) {
    SendMessageW(Get(button), BM_CLICK, 0, 0);
    Pump();
  }
  void Add(std::u16string_view text) {
    SetText(Id::txtAdd, text);
    Click(Id::cmdAdd);
  }
  void FocusOn(Id id) {
    SendMessageW(w->hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Get(id)),
                 TRUE);
    Pump();
  }
  // The control with the focus, if it is one of the window's.
  std::optional<Id> Focus() const {
    for (const ui::ControlInfo& info : ui::MainWindowTable().controls)
      if (Get(info.id) == GetFocus()) return info.id.As<Id>();
    return std::nullopt;
  }

  int RowCount(Id list) const {
    return static_cast<int>(SendMessageW(Get(list), LVM_GETITEMCOUNT, 0, 0));
  }
  // A row's text as the list view hands it to a screen reader.
  std::u16string Row(Id list, int row, int capacity = 1024) const {
    std::wstring buffer(static_cast<size_t>(capacity), L'\0');
    LVITEMW item{};
    item.pszText = buffer.data();
    item.cchTextMax = capacity;
    buffer.resize(static_cast<size_t>(SendMessageW(
        Get(list), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item))));
    return ToU16(buffer);
  }
  Texts Rows(Id list) const {
    Texts rows;
    for (int i = 0; i < RowCount(list); ++i) rows.push_back(Row(list, i));
    return rows;
  }

  // Presses `key` on the focused control: down, `repeats` auto-repeats with
  // the key-was-down bit, and up; with Alt or Shift held if asked.
  void Key(UINT key, bool alt = false, int repeats = 0, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;  // as the dialog manager reads it
    SetKeyboardState(keys);
    HWND target = GetFocus();
    const LPARAM base = 1 | LPARAM{MapVirtualKeyW(key, MAPVK_VK_TO_VSC)} << 16 |
                        (alt ? LPARAM{1} << 29 : 0);
    for (int i = 0; i <= repeats; ++i)
      PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key,
                   base | (i > 0 ? LPARAM{1} << 30 : 0));
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key,
                 base | LPARAM{3} << 30);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }

  std::unique_ptr<frmLotwheel> w;
  std::vector<std::u16string> messages;
  bool quit_posted = false;
};

}  // namespace lotwheel::win32
