// Drives a real main window as a user and a screen reader would: through its
// messages, keys posted to the focused control and the dialog manager, and
// the list views' own row requests.
#pragma once

#include <windows.h>

// After windows.h, which it builds on.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ui/win32/dialog_message.h"
#include "ui/win32/frm_lotwheel.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"

namespace lotwheel::win32 {

// count lines, prefix + number, joined with CR LF.
inline std::u16string Lines(int count, std::u16string_view prefix) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += u"\r\n";
    text += prefix;
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
  std::u16string text;
  if (!OpenClipboard(nullptr)) return u"(closed)";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = reinterpret_cast<const char16_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

inline void PutOnClipboard(std::u16string_view text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * 2);
  auto* target = static_cast<char16_t*>(GlobalLock(block));
  std::memcpy(target, text.data(), text.size() * 2);
  target[text.size()] = u'\0';
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

class WindowDriver : public ::testing::Test {
 protected:
  WindowDriver() { Reopen(); }
  ~WindowDriver() override { Close(); }

  // A fresh window, as at the program's start.
  void Reopen() {
    Close();
    w = std::make_unique<frmLotwheel>();
    w->UseMessageBox([this](HWND owner, std::u16string_view text) {
      EXPECT_EQ(owner, w->hwnd());
      messages.emplace_back(text);
    });
    w->Show(SW_SHOWNORMAL);
    Pump();
  }
  void Close() {
    w.reset();
    // The closed window asked the program to end; the next test goes on.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }

  // Takes every queued message through the dialog manager, as the
  // program's own loop does.
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
    for (const auto& spec : ui::MainWindowLayout().controls)
      if (Get(spec.name.c_str()) == GetFocus()) return spec.name;
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
  std::vector<std::u16string> Rows(const char* list) const {
    std::vector<std::u16string> rows;
    for (int i = 0; i < RowCount(list); ++i) rows.push_back(Row(list, i));
    return rows;
  }

  // Presses `key` on the focused control: down, `repeats` auto-repeats with
  // the key-was-down bit, and up; with Alt held when `alt`.
  void Key(UINT key, bool alt = false, int repeats = 0) {
    HWND target = GetFocus();
    const LPARAM scan = LPARAM{MapVirtualKeyW(key, MAPVK_VK_TO_VSC)} << 16;
    const LPARAM base = 1 | scan | (alt ? LPARAM{1} << 29 : 0);
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    for (int i = 0; i <= repeats; ++i)
      PostMessageW(target, down, key, base | (i > 0 ? LPARAM{1} << 30 : 0));
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key,
                 base | LPARAM{3} << 30);
    Pump();
  }
  // The same with Shift held, as the dialog manager reads it.
  void ShiftKey(UINT key) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Key(key);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }

  std::unique_ptr<frmLotwheel> w;
  std::vector<std::u16string> messages;
  bool quit_posted = false;
};

}  // namespace lotwheel::win32
