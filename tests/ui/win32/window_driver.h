// Drives a real main window as a user and a screen reader would: through its
// messages, keys posted to the focused control and the dialog manager, and
// the list views' own row requests.
#pragma once

#include <windows.h>

// After windows.h, which it builds on.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/win32/dialog_message.h"
#include "ui/win32/frm_lotwheel.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"

namespace lotwheel::win32 {

// `count` lines, `prefix` and the line's number, joined with CR LF.
inline std::u16string Lines(int count, std::u16string_view prefix) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    text += (i > 0 ? u"\r\n" : u"") + std::u16string(prefix);
    for (char c : std::to_string(i)) text += static_cast<char16_t>(c);
  }
  return text;
}

inline std::u16string TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, 0);
  text.resize(static_cast<size_t>(
      GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return ToU16(text);
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

  HWND Get(const char* name) const { return w->Control(name); }
  std::u16string Text(const char* name) const { return TextOf(Get(name)); }
  void SetText(const char* name, std::u16string_view text) {
    SetWindowTextW(Get(name), ToWide(text).c_str());
  }
  void Click(const char* name) {
    SendMessageW(Get(name), BM_CLICK, 0, 0);
    Pump();
  }
  void Add(std::u16string_view text) {
    SetText("txtAdd", text);
    Click("cmdAdd");
  }
  void FocusOn(const char* name) {
    SendMessageW(w->hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Get(name)),
                 TRUE);
    Pump();
  }
  // The name of the control with the focus; empty for none of them.
  std::string Focus() const {
    for (const auto& info : ui::MainWindowLayout().controls)
      if (Get(info.name.c_str()) == GetFocus()) return info.name;
    return {};
  }

  int RowCount(const char* list) const {
    return static_cast<int>(SendMessageW(Get(list), LVM_GETITEMCOUNT, 0, 0));
  }
  // A row's text as the list view hands it to a screen reader.
  std::u16string Row(const char* list, int row, int capacity = 1024) const {
    std::wstring buffer(static_cast<size_t>(capacity), L'\0');
    LVITEMW item{};
    item.pszText = buffer.data();
    item.cchTextMax = capacity;
    buffer.resize(static_cast<size_t>(SendMessageW(
        Get(list), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item))));
    return ToU16(buffer);
  }
  Texts Rows(const char* list) const {
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
