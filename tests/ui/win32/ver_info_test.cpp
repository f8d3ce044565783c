// Tests of the version window, driven from inside its own modal loop: opened
// from the main window, which can't be closed meanwhile, closed every way it
// can be, laid out at the window's DPI, what a screen reader reads of it, and
// its banners' clicks, tooltips and pointer.
#include <oleacc.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/ui/keyboard_tables.h"
#include "ui/texts.h"
#include "ui/twips.h"
#include "ui/win32/frm_ver_info.h"
#include "ui/win32/shell_open.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using Step = std::function<void(HWND window)>;

// Steps run one per tick of a thread timer while the version window is open;
// a tick comes only once every message an earlier step posted is handled.
struct Script {
  std::vector<Step> steps;
  size_t done = 0;
  bool left_open = false;  // the steps did not close the window
};
Script* script = nullptr;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  HWND window = FindWindowW(frmVerInfo::kClassName, nullptr);
  if (window == nullptr || script == nullptr) return;
  if (script->done < script->steps.size()) {
    script->steps[script->done++](window);
  } else {
    script->left_open = true;
    DestroyWindow(window);
  }
}

using V = ui::VerInfoControl;

HWND Item(HWND window, ui::ControlId id) {
  return GetDlgItem(window,
                    ControlSet::CommandId(ui::VerInfoWindowTable(), id));
}

RECT RectIn(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The pixels of the bitmap or icon that a picture control shows.
SIZE ImageSize(HWND picture) {
  const bool icon =
      (GetWindowLongW(picture, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
  const auto image = reinterpret_cast<HANDLE>(
      SendMessageW(picture, STM_GETIMAGE, icon ? IMAGE_ICON : IMAGE_BITMAP, 0));
  BITMAP bitmap{};
  if (!icon) {
    GetObjectW(image, sizeof(bitmap), &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
  }
  ICONINFO parts{};
  GetIconInfo(static_cast<HICON>(image), &parts);
  GetObjectW(parts.hbmMask, sizeof(bitmap), &bitmap);
  DeleteObject(parts.hbmColor);
  DeleteObject(parts.hbmMask);
  // A mask without colour holds the AND and XOR halves one above the other.
  return {bitmap.bmWidth,
          parts.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

void HoldCtrl(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

// Posts `key` to the focused control, as the keyboard would, with Alt or
// Ctrl held; Ctrl stays held until let go of.
void Press(UINT key, bool alt = false, bool ctrl = false) {
  HoldCtrl(ctrl);
  const LPARAM flags = 1 | (alt ? LPARAM{1} << 29 : 0);
  PostMessageW(GetFocus(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, flags);
  PostMessageW(GetFocus(), alt ? WM_SYSKEYUP : WM_KEYUP, key,
               flags | LPARAM{3} << 30);
}

// Moves the mouse to the middle of `control`, pressing the left button
// `clicks` times there.
void Mouse(HWND control, int clicks = 0) {
  RECT rect;
  GetWindowRect(control, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  std::vector<INPUT> input(2 * size_t(clicks), INPUT{INPUT_MOUSE, {}});
  for (size_t i = 0; i < input.size(); ++i)
    input[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
}

// Each shell call as "owner|operation|file|parameters|directory|show".
std::vector<std::string> shell_calls;
HINSTANCE WINAPI RecordShellCall(HWND owner, LPCSTR operation, LPCSTR file,
                                 LPCSTR parameters, LPCSTR directory,
                                 INT show) {
  shell_calls.push_back(std::string(owner ? "owner|" : "|") + operation + "|" +
                        file + "|" + (parameters ? parameters : "(none)") +
                        "|" + (directory ? directory : "(none)") + "|" +
                        std::to_string(show));
  return reinterpret_cast<HINSTANCE>(42);
}

// A fault inside a window procedure is swallowed by the system; this sees it.
int faults = 0;
LONG CALLBACK CountFault(EXCEPTION_POINTERS* exception) {
  if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
    ++faults;
  return EXCEPTION_CONTINUE_SEARCH;
}

class VerInfoTest : public WindowDriver {
 protected:
  // Opens the version window by `open`, runs `steps` inside it and says
  // whether they closed it.
  bool Run(std::vector<Step> steps, const std::function<void()>& open = {}) {
    Script run{std::move(steps)};
    script = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &Tick);
    void* watch = AddVectoredExceptionHandler(1, &CountFault);
    faults = 0;
    open ? open() : Click(Id::cmdVerInfo);
    RemoveVectoredExceptionHandler(watch);
    KillTimer(nullptr, timer);
    EXPECT_EQ(faults, 0);
    script = nullptr;
    EXPECT_GT(run.done, 0u) << "the window did not open";
    return !run.left_open;
  }
};

TEST_F(VerInfoTest, OpensModallyFromTheButtonAndAltVAndHandsBackTheFocus) {
  Add(u"A\r\nB\r\nC");
  SetText(Id::txtHowWho, u"1");
  Click(Id::cmdBuild);
  const auto source = Rows(Id::lstMoto), output = Rows(Id::lstAto);
  for (bool by_key : {false, true}) {
    SCOPED_TRACE(by_key ? "Alt+V" : "button");
    FocusOn(Id::lstMoto);
    const Step inside = [&](HWND v) {
      EXPECT_EQ(GetWindow(v, GW_OWNER), w->hwnd());
      EXPECT_FALSE(IsWindowEnabled(w->hwnd()));
      EXPECT_EQ(WindowText(v), ui::VerInfoWindowTable().title);
      EXPECT_EQ(WindowText(Item(v, V::lblVerinfo)), ui::VersionLine());
      EXPECT_EQ(WindowText(Item(v, V::Text1)), ui::kCreditsText);
      EXPECT_EQ(GetFocus(), Item(v, V::Text1));
      // A screen reader says the version after the title as it opens.
      const Spoken said = SpokenOf(v);
      EXPECT_EQ(said.name, ui::VerInfoWindowTable().title);
      EXPECT_EQ(said.description, ui::VersionLine());
      // Close box alone, fixed, no icon, no taskbar button.
      EXPECT_EQ(GetWindowLongW(v, GWL_STYLE) &
                    (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                     WS_MAXIMIZEBOX),
                WS_CAPTION | WS_SYSMENU);
      EXPECT_EQ(GetWindowLongW(v, GWL_EXSTYLE) & 0xFF, WS_EX_DLGMODALFRAME);
      EXPECT_EQ(SendMessageW(v, WM_GETICON, ICON_SMALL, 0), 0);
      // Asked to close from outside (Task Manager's End task), the main
      // window stays while the version window is open.
      SendMessageW(w->hwnd(), WM_CLOSE, 0, 0);
      EXPECT_TRUE(IsWindow(v) && IsWindow(w->hwnd()));
      Press(VK_RETURN);  // in Text1: presses OK
    };
    const bool closed =
        Run({inside}, [&] { by_key ? Key('V', true) : Click(Id::cmdVerInfo); });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(IsWindowEnabled(w->hwnd()));
    EXPECT_EQ(GetActiveWindow(), w->hwnd());
    EXPECT_EQ(Focus(), Id::cmdVerInfo);
    EXPECT_EQ(Rows(Id::lstMoto), source);
    EXPECT_EQ(Rows(Id::lstAto), output);
  }
}

// Every opening shows the credits afresh, whatever the one before typed.
TEST_F(VerInfoTest, ClosesByEveryWayButCtrlEnterAndTab) {
  struct Case {
    V focus;
    UINT key;  // 0: the close box
    bool alt, ctrl, closes;
  };
  std::vector<Case> cases = {
      {V::Text1, VK_RETURN, false, true, false},  // a new line instead
      {V::Text1, VK_TAB, false, false, false},
      {V::Text1, 'V', true, false, false},
      {V::Text1, VK_ESCAPE, false, false, true},
      {V::Text1, 0, false, false, true},
      {V::cmdOK, VK_ESCAPE, false, false, true},
      {V::cmdOK, VK_RETURN, false, false, true},
      {V::cmdOK, VK_SPACE, false, false, true},
  };
  for (const ui::AccessKey& key : ui::kVerInfoAccessKeys)
    cases.push_back({V::Text1, UINT(key.letter), true, false,
                     key.effect == ui::KeyEffect::kPress &&
                         key.control == ui::ControlId(V::cmdOK)});
  const std::vector<ui::ControlId> focus_order =
      ui::VerInfoWindowTable().FocusOrder();
  const std::u16string credits(ui::kCreditsText);
  for (const Case& c : cases) {
    const bool closed =
        Run({[&](HWND v) {
               EXPECT_EQ(WindowText(Item(v, V::Text1)), credits);
               // The caret starts at the start, with nothing selected.
               if (GetFocus() != Item(v, c.focus))
                 SendMessageW(v, WM_NEXTDLGCTL, WPARAM(Item(v, c.focus)), TRUE);
               if (c.key == 0)
                 PostMessageW(v, WM_SYSCOMMAND, SC_CLOSE, 0);
               else
                 Press(c.key, c.alt, c.ctrl);
             },
             [&](HWND v) {
               HoldCtrl(false);
               const std::u16string text = WindowText(Item(v, V::Text1));
               EXPECT_EQ(text, c.ctrl ? u"\r\n" + credits : credits);
               const bool tabbed = c.key == VK_TAB;  // on to the next
               EXPECT_EQ(GetFocus(), Item(v, focus_order[tabbed ? 1 : 0]));
             }});
    EXPECT_EQ(closed, c.closes)
        << testing::PrintToString(c.focus) << " " << c.key;
  }
}

// Every control at its twips at the window's DPI, and after a move to a
// screen of the other DPI; each picture at its own size in the middle of its
// place, never stretched.
TEST_F(VerInfoTest, LayoutFollowsTheWindowsDpi) {
  const ui::ControlTable& table = ui::VerInfoWindowTable();
  int d = 0;
  auto check = [&](HWND v) {
    if (d == 0) d = static_cast<int>(GetDpiForWindow(v));
    SCOPED_TRACE(d);
    RECT client;
    GetClientRect(v, &client);
    EXPECT_EQ(client.right, ui::PixelsFromTwips(table.client_width, d));
    EXPECT_EQ(client.bottom, ui::PixelsFromTwips(table.client_height, d));
    for (const ui::ControlInfo& info : table.controls) {
      const ui::TwipsRect& t = info.rect;
      RECT slot{ui::PixelsFromTwips(t.left, d), ui::PixelsFromTwips(t.top, d),
                ui::PixelsFromTwips(t.left + t.width, d),
                ui::PixelsFromTwips(t.top + t.height, d)};
      const RECT got = RectIn(v, Item(v, info.id));
      if (info.kind == ui::ControlKind::kPicture) {
        // The image's own size, in the middle of its place.
        const SIZE own = ImageSize(Item(v, info.id));
        EXPECT_EQ(got.right - got.left, own.cx) << info.name;
        EXPECT_EQ(got.bottom - got.top, own.cy) << info.name;
        EXPECT_LE(std::abs((got.left - slot.left) - (slot.right - got.right)),
                  1)
            << info.name;
        EXPECT_LE(std::abs((got.top - slot.top) - (slot.bottom - got.bottom)),
                  1)
            << info.name;
        continue;
      }
      EXPECT_TRUE(EqualRect(&got, &slot)) << info.name;
    }
    HWND label = Item(v, V::Label1);
    const auto hfont =
        reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    GetObjectW(hfont, sizeof(font), &font);
    EXPECT_EQ(U16View(font.lfFaceName), ui::kGothicFace);
    // 15.75 points, or a little less where a wider stand-in face would
    // otherwise cut the name off: the whole name shows either way.
    EXPECT_LE(-font.lfHeight, MulDiv(1575, d, 7200));
    EXPECT_GE(-font.lfHeight, MulDiv(1575, d, 7200) * 8 / 10);
    wchar_t name[128]{};
    const int length = GetWindowTextW(label, name, 128);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, hfont);
    SIZE extent{};
    GetTextExtentPoint32W(dc, name, length, &extent);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    RECT box{};
    GetClientRect(label, &box);
    EXPECT_LE(extent.cx, box.right);
    EXPECT_TRUE(font.lfWeight == FW_BOLD && font.lfItalic &&
                font.lfCharSet == SHIFTJIS_CHARSET);
  };
  EXPECT_FALSE(Run({check,
                    [&](HWND v) {
                      d = d == 96 ? 144 : 96;
                      RECT suggested{10, 10, 900, 500};
                      SendMessageW(v, WM_DPICHANGED, MAKEWPARAM(d, d),
                                   reinterpret_cast<LPARAM>(&suggested));
                    },
                    check}));
}

// Each click on a banner opens its page once through the shell, with the
// window staying open; clicks anywhere else open nothing. The pointer is
// the hand over a banner and the arrow elsewhere; the tooltips and the
// names a screen reader says are the banners' own.
TEST_F(VerInfoTest, BannersOpenTheirPageOncePerClick) {
  const ui::ControlTable& table = ui::VerInfoWindowTable();
  const ShellExecuteCall real = UseShellExecute(&RecordShellCall);
  shell_calls.clear();
  std::vector<Step> steps;
  for (V id : {V::Image1, V::Label1, V::lblVerinfo, V::Image2, V::Image3}) {
    const ui::ControlInfo& info = table.Row(id);
    steps.push_back([&info](HWND v) { Mouse(Item(v, info.id), 2); });
    steps.push_back([&info](HWND v) {
      ICONINFO pointer{};  // the hand's hot spot is its fingertip
      GetIconInfo(GetCursor(), &pointer);
      const bool hand = pointer.xHotspot == 12 && pointer.yHotspot == 1;
      EXPECT_EQ(hand, !info.link.empty()) << info.name;
      if (!hand) {
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
      }
      // As a screen reader sees it: a banner is a link that it can follow.
      const Spoken said = SpokenOf(Item(v, info.id), !info.link.empty());
      EXPECT_EQ(said.name, info.spoken_name);
      EXPECT_EQ(said.role == ROLE_SYSTEM_LINK, !info.link.empty());
      HWND tip = nullptr;
      do tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr);
      while (tip != nullptr && GetWindow(tip, GW_OWNER) != v);
      wchar_t text[256] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.hwnd = v;
      tool.uId = UINT_PTR(Item(v, info.id));
      tool.lpszText = text;
      SendMessageW(tip, TTM_GETTEXTW, 256, LPARAM(&tool));
      EXPECT_EQ(ToU16(text), info.tooltip) << info.name;
    });
  }
  EXPECT_FALSE(Run(steps));
  UseShellExecute(real);
  char directory[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, directory);
  std::vector<std::string> expected;
  for (V id :
       {V::Image2, V::Image2, V::Image2, V::Image3, V::Image3, V::Image3})
    expected.push_back("|open|" + table.Row(id).link + "||" + directory + "|1");
  EXPECT_EQ(shell_calls, expected);
}

}  // namespace
}  // namespace lotwheel::win32
