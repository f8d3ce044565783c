// Tests of the version window, driven from inside its own modal loop: opened
// from the main window, closed every way it can be, laid out at the window's
// DPI, and its banners' clicks, tooltips and pointer.
#include <functional>
#include <string>
#include <vector>

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

HWND Item(HWND window, const std::string& name) {
  const auto& rows = ui::VerInfoWindowLayout().controls;
  for (size_t row = 0; row < rows.size(); ++row)
    if (rows[row].name == name)
      return GetDlgItem(window, ControlSet::kFirstControlId + int(row));
  return nullptr;
}

RECT RectIn(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Posts `key` to the focused control, as the keyboard would; with Alt held
// when `alt`.
void Press(UINT key, bool alt = false) {
  const LPARAM flags = 1 | (alt ? LPARAM{1} << 29 : 0);
  PostMessageW(GetFocus(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, flags);
  PostMessageW(GetFocus(), alt ? WM_SYSKEYUP : WM_KEYUP, key,
               flags | LPARAM{3} << 30);
}

void HoldControl(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

void FocusIn(HWND window, const char* name) {
  SendMessageW(window, WM_NEXTDLGCTL,
               reinterpret_cast<WPARAM>(Item(window, name)), TRUE);
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

struct ShellCall {
  HWND owner;
  std::string operation, file;
  const char* parameters;  // kept to tell an empty text from none
  std::string directory;
  int show;
};
std::vector<ShellCall> shell_calls;
HINSTANCE WINAPI RecordShellCall(HWND owner, LPCSTR operation, LPCSTR file,
                                 LPCSTR parameters, LPCSTR directory,
                                 INT show) {
  shell_calls.push_back({owner, operation, file, parameters,
                         directory ? directory : "(none)", show});
  return reinterpret_cast<HINSTANCE>(42);
}

class VerInfoTest : public WindowDriver {
 protected:
  // Opens the version window by `open`, runs `steps` inside it and says
  // whether they closed it.
  bool Run(std::vector<Step> steps, const std::function<void()>& open = {}) {
    Script run{std::move(steps)};
    script = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &Tick);
    open ? open() : Click("cmdVerInfo");
    KillTimer(nullptr, timer);
    script = nullptr;
    EXPECT_EQ(run.done, run.steps.size()) << "the window did not open";
    return !run.left_open;
  }
};

TEST_F(VerInfoTest, OpensModallyFromTheButtonAndAltVAndHandsBackTheFocus) {
  Add(u"A\r\nB\r\nC");
  SetText("txtHowWho", u"1");
  Click("cmdBuild");
  const auto source = Rows("lstMoto"), output = Rows("lstAto");
  const ui::WindowLayout& layout = ui::VerInfoWindowLayout();
  for (bool by_key : {false, true}) {
    SCOPED_TRACE(by_key ? "Alt+V" : "button");
    FocusOn("lstMoto");
    const Step inside = [&](HWND v) {
      EXPECT_EQ(GetWindow(v, GW_OWNER), w->hwnd());
      EXPECT_FALSE(IsWindowEnabled(w->hwnd()));
      EXPECT_EQ(TextOf(v), layout.title);
      EXPECT_EQ(TextOf(Item(v, "lblVerinfo")), u"Version:1.03.0005");
      EXPECT_EQ(TextOf(Item(v, "Text1")), ui::kCreditsText);
      EXPECT_EQ(GetFocus(), Item(v, "Text1"));
      // Close box alone, no icon, no taskbar button.
      const auto style = GetWindowLongW(v, GWL_STYLE);
      const auto ex = GetWindowLongW(v, GWL_EXSTYLE);
      EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME |
                         WS_SYSMENU),
                WS_SYSMENU);
      EXPECT_EQ(ex & (WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW),
                WS_EX_DLGMODALFRAME);
      EXPECT_EQ(SendMessageW(v, WM_GETICON, ICON_SMALL, 0), 0);
      Press(VK_RETURN);  // in Text1: presses OK
    };
    const bool closed =
        Run({inside}, [&] { by_key ? Key('V', true) : Click("cmdVerInfo"); });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(IsWindowEnabled(w->hwnd()));
    EXPECT_EQ(GetActiveWindow(), w->hwnd());
    EXPECT_EQ(Focus(), "cmdVerInfo");
    EXPECT_EQ(Rows("lstMoto"), source);
    EXPECT_EQ(Rows("lstAto"), output);
  }
}

TEST_F(VerInfoTest, ClosesByEveryWayAndNoOtherKey) {
  struct Case {
    const char* focus;
    UINT key;  // 0: the close box
    bool alt, closes;
  } cases[] = {
      {"Text1", VK_ESCAPE, false, true}, {"cmdOK", VK_ESCAPE, false, true},
      {"cmdOK", VK_RETURN, false, true}, {"cmdOK", VK_SPACE, false, true},
      {"Text1", 'O', true, true},        {"Text1", 0, false, true},
      {"Text1", VK_TAB, false, false},   {"Text1", 'V', true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run({[&](HWND v) {
                FocusIn(v, c.focus);
                if (c.key == 0) PostMessageW(v, WM_SYSCOMMAND, SC_CLOSE, 0);
                if (c.key != 0) Press(c.key, c.alt);
              }}),
              c.closes)
        << c.focus << " " << c.key;
  }
}

TEST_F(VerInfoTest, CtrlEnterAddsALineAndTheCreditsComeBackAtEveryOpening) {
  const std::u16string credits(ui::kCreditsText);
  EXPECT_FALSE(Run({[](HWND) {
                      HoldControl(true);
                      Press(VK_RETURN);
                    },
                    [&](HWND v) {
                      HoldControl(false);
                      EXPECT_EQ(TextOf(Item(v, "Text1")), u"\r\n" + credits);
                      const auto style =
                          GetWindowLongW(Item(v, "Text1"), GWL_STYLE);
                      EXPECT_EQ(style & (ES_MULTILINE | WS_VSCROLL |
                                         ES_AUTOHSCROLL | ES_READONLY),
                                ES_MULTILINE | WS_VSCROLL);
                    }}));
  EXPECT_FALSE(
      Run({[&](HWND v) { EXPECT_EQ(TextOf(Item(v, "Text1")), credits); }}));
}

// Every control at its twips at the window's DPI, and after a move to a
// screen of the other DPI; each picture at its own size in the middle of its
// place, never stretched.
TEST_F(VerInfoTest, LayoutFollowsTheWindowsDpi) {
  const ui::WindowLayout& layout = ui::VerInfoWindowLayout();
  int d = 0;
  auto check = [&](HWND v) {
    if (d == 0) d = static_cast<int>(GetDpiForWindow(v));
    SCOPED_TRACE(d);
    RECT client;
    GetClientRect(v, &client);
    EXPECT_EQ(client.right, ui::PixelsFromTwips(layout.client_width, d));
    EXPECT_EQ(client.bottom, ui::PixelsFromTwips(layout.client_height, d));
    for (const ui::ControlSpec& spec : layout.controls) {
      const ui::TwipsRect& t = spec.rect;
      RECT slot{ui::PixelsFromTwips(t.left, d), ui::PixelsFromTwips(t.top, d),
                ui::PixelsFromTwips(t.left + t.width, d),
                ui::PixelsFromTwips(t.top + t.height, d)};
      const RECT got = RectIn(v, Item(v, spec.name));
      if (spec.kind == ui::ControlKind::kPicture) {
        const SIZE natural{ui::PixelsFromTwips(t.width),
                           ui::PixelsFromTwips(t.height)};
        const LONG left = slot.left + (slot.right - slot.left - natural.cx) / 2;
        const LONG top = slot.top + (slot.bottom - slot.top - natural.cy) / 2;
        slot = {left, top, left + natural.cx, top + natural.cy};
      }
      EXPECT_TRUE(EqualRect(&got, &slot)) << spec.name;
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(
                   SendMessageW(Item(v, "Label1"), WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfHeight, -MulDiv(1575, d, 7200));
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
  const ui::WindowLayout& layout = ui::VerInfoWindowLayout();
  const ShellExecuteCall real = UseShellExecute(&RecordShellCall);
  shell_calls.clear();
  std::vector<Step> steps;
  for (const char* name :
       {"Image1", "Label1", "lblVerinfo", "Image2", "Image3"}) {
    const ui::ControlSpec& spec = layout.Control(name);
    steps.push_back([&spec](HWND v) { Mouse(Item(v, spec.name), 2); });
    steps.push_back([&spec](HWND v) {
      const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
      ICONINFO hand{};
      GetIconInfo(GetCursor(), &hand);
      if (spec.link.empty()) {
        EXPECT_EQ(GetCursor(), arrow) << spec.name;
      } else {
        EXPECT_TRUE(hand.xHotspot == 12 && hand.yHotspot == 1) << spec.name;
      }
      EXPECT_EQ(TextOf(Item(v, spec.name)), spec.spoken_name);
      HWND tip = nullptr;
      do tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr);
      while (tip != nullptr && GetWindow(tip, GW_OWNER) != v);
      wchar_t text[256] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.hwnd = v;
      tool.uId = reinterpret_cast<UINT_PTR>(Item(v, spec.name));
      tool.lpszText = text;
      SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
      EXPECT_EQ(ToU16(text), spec.tooltip) << spec.name;
    });
  }
  EXPECT_FALSE(Run(steps));
  UseShellExecute(real);
  char directory[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, directory);
  ASSERT_EQ(shell_calls.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    const ShellCall& call = shell_calls[i];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.operation, "open");
    EXPECT_EQ(call.file, layout.Control(i < 2 ? "Image2" : "Image3").link);
    EXPECT_STREQ(call.parameters, "");
    EXPECT_EQ(call.directory, directory);
    EXPECT_EQ(call.show, 1);
  }
}

}  // namespace
}  // namespace lotwheel::win32
