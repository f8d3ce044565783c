// Tests of the Windows main window: what each button does to the lists, the
// layout and fonts at any DPI, the names a screen reader says, and the list
// limit pasted whole.
#include <oleacc.h>

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

#include "engine/draw_session.h"
#include "ui/messages.h"
#include "ui/row_text.h"
#include "ui/texts.h"
#include "ui/win32/win32_clipboard.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using MainWindowTest = WindowDriver;

TEST_F(MainWindowTest, StartsEmptyWithCloseBoxAndIconsAndClosesAtOnce) {
  EXPECT_EQ(RowCount("lstMoto") + RowCount("lstAto"), 0);
  EXPECT_EQ(Text("txtAdd") + Text("txtHowWho"), u"0");
  EXPECT_EQ(Focus(), "lstMoto");
  EXPECT_EQ(TextOf(w->hwnd()), ui::kMainTitle);
  EXPECT_EQ(GetWindowLongW(w->hwnd(), GWL_STYLE) &
                (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            WS_SYSMENU);
  for (WPARAM size : {ICON_BIG, ICON_SMALL})
    EXPECT_NE(SendMessageW(w->hwnd(), WM_GETICON, size, 0), 0) << size;
  SendMessageW(w->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_TRUE(quit_posted);
  EXPECT_EQ(w->hwnd(), nullptr);
}

// Every control and the client area at the window's own DPI, again after a
// move to a screen of another DPI, and back; the fonts follow.
TEST_F(MainWindowTest, LayoutAndFontsFollowTheWindowsDpi) {
  const ui::WindowLayout& layout = ui::MainWindowLayout();
  const UINT start = GetDpiForWindow(w->hwnd());
  const UINT dpis[] = {start, start == 96 ? 144u : 96u, start};
  for (size_t i = 0; i < std::size(dpis); ++i) {
    const UINT dpi = dpis[i];
    SCOPED_TRACE(dpi);
    // As created first; then as a move to another screen announces it.
    RECT suggested{10, 10, 600, 800};
    if (i > 0)
      SendMessageW(w->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    const auto px = [&](int twips) {
      return ui::PixelsFromTwips(twips, static_cast<int>(dpi));
    };
    RECT client;
    GetClientRect(w->hwnd(), &client);
    const SIZE size{px(layout.client_width), px(layout.client_height)};
    EXPECT_EQ(client.right * 1000 + client.bottom, size.cx * 1000 + size.cy);
    EXPECT_TRUE(dpi != 96 || size.cx * 1000 + size.cy == 360'441);
    for (const ui::ControlInfo& info : layout.controls) {
      // A control inside the frame is measured from the frame's corner.
      const ui::TwipsRect frame = info.parent.empty()
                                      ? ui::TwipsRect{}
                                      : layout.Control(info.parent).rect;
      const LONG left = px(frame.left) + px(info.rect.left);
      const LONG top = px(frame.top) + px(info.rect.top);
      const RECT expected{left, top, left + px(info.rect.width),
                          top + px(info.rect.height)};
      RECT rect;
      GetWindowRect(Get(info.name.c_str()), &rect);
      MapWindowPoints(nullptr, w->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_TRUE(EqualRect(&rect, &expected)) << info.name;
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(
                     SendMessageW(Get(info.name.c_str()), WM_GETFONT, 0, 0)),
                 sizeof(font), &font);
      EXPECT_EQ(font.lfHeight, -MulDiv(9, static_cast<int>(dpi), 72));
      EXPECT_EQ(info.font == ui::ControlFont::kGothicBold9,
                font.lfWeight == FW_BOLD &&
                    font.lfCharSet == SHIFTJIS_CHARSET &&
                    std::wstring(font.lfFaceName) == L"ＭＳ Ｐゴシック")
          << info.name;
    }
  }
}

// A screen reader names each box and list by the hidden label just before
// it, and everything else by its caption.
TEST_F(MainWindowTest, EveryControlHasItsSpokenName) {
  for (const ui::ControlInfo& info : ui::MainWindowLayout().controls) {
    HWND control = Get(info.name.c_str());
    if (info.kind == ui::ControlKind::kList ||
        info.kind == ui::ControlKind::kLineEdit ||
        info.kind == ui::ControlKind::kTextArea) {
      HWND label = GetWindow(control, GW_HWNDPREV);
      EXPECT_EQ(TextOf(label), info.spoken_name) << info.name;
      EXPECT_FALSE(IsWindowVisible(label)) << info.name;
      continue;
    }
    EXPECT_EQ(TextOf(control), info.caption) << info.name;
    // What a screen reader asks for: the clean name, "追加" for "追加(&A)".
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                               reinterpret_cast<void**>(&object));
    ASSERT_NE(object, nullptr) << info.name;
    VARIANT self{};
    self.vt = VT_I4;
    BSTR spoken = nullptr;
    object->get_accName(self, &spoken);
    EXPECT_EQ(spoken ? std::u16string(reinterpret_cast<char16_t*>(spoken))
                     : std::u16string(),
              info.spoken_name)
        << info.name;
    SysFreeString(spoken);
    object->Release();
  }
}

// Each click adds every line cut at CR LF only, and leaves the box as it
// was; rows show lone CR and LF as pictures and long entries shortened.
TEST_F(MainWindowTest, AddAppendsEveryLine) {
  const std::u16string long_entry(1'000, u'長');
  const std::tuple<std::u16string, int, Texts> cases[] = {
      {u"佐藤\r\n鈴木", 2, {u"佐藤", u"鈴木", u"佐藤", u"鈴木"}},
      {u"A\r\nB\r\n", 1, {u"A", u"B", u""}},
      {u"A\rB\nC", 1, {u"A␍B␊C"}},
      {long_entry, 1, {ui::RowText(long_entry)}},
  };
  for (const auto& [text, clicks, rows] : cases) {
    Click("cmdClear");
    SetText("txtAdd", text);
    for (int i = 0; i < clicks; ++i) Click("cmdAdd");
    EXPECT_EQ(Rows("lstMoto"), rows);
    EXPECT_EQ(Text("txtAdd"), text);
  }
  // A reader's smaller buffer still gets a shortened row, not a cut one.
  EXPECT_EQ(Row("lstMoto", 0, 260), std::u16string(258, u'長') + u"…");
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, DrawsMoveEntriesAndClearKeepsTheCount) {
  Click("cmdBuild");  // from nothing: count 0 means all of none
  Add(u"A\r\nB\r\nC\r\nD\r\nE");
  for (const auto& [count, total] : {std::pair{u"2.9", 2}, {u"0", 5}}) {
    SetText("txtHowWho", count);
    Click("cmdBuild");
    EXPECT_EQ(std::make_pair(RowCount("lstMoto"), RowCount("lstAto")),
              std::make_pair(5 - total, total));
  }
  Click("cmdClear");
  EXPECT_EQ(RowCount("lstMoto") + RowCount("lstAto"), 0);
  EXPECT_EQ(Text("txtAdd") + Text("txtHowWho"), u"0");
  EXPECT_TRUE(messages.empty());
}

// From "A", "B" and "C" in the source list: each refusal shows one message,
// changes nothing and gives the focus back.
TEST_F(MainWindowTest, RefusalShowsOneMessageAndChangesNothing) {
  const std::tuple<const char16_t*, std::u16string, std::u16string_view>
      cases[] = {
          {u"4", u"", ui::MessageFor(DrawOutcome::NotEnoughEntries)},
          {u"三", u"", ui::MessageFor(DrawOutcome::InvalidCount)},
          {u"0", Lines(kMaxEntries - 2, u"p"),
           ui::MessageFor(AddOutcome::SourceFull)},
      };
  Add(u"A\r\nB\r\nC");
  for (const auto& [count, pasted, message] : cases) {
    messages.clear();
    SetText("txtHowWho", count);
    SetText("txtAdd", pasted);
    const char* button = pasted.empty() ? "cmdBuild" : "cmdAdd";
    FocusOn(button);
    Click(button);
    EXPECT_EQ(messages, Texts{std::u16string(message)});
    EXPECT_EQ(Rows("lstMoto"), (Texts{u"A", u"B", u"C"}));
    EXPECT_EQ(RowCount("lstAto"), 0);
    EXPECT_EQ(Focus(), button);
  }
}

// After one entry, the rest of the list up to its limit, pasted: nothing is
// cut, and the first new row is scrolled to the top.
TEST_F(MainWindowTest, PastesTheWholeListAtTheLimit) {
  Add(u"最初");
  const std::u16string text = Lines(kMaxEntries - 1, u"参加者");
  ASSERT_TRUE(Win32Clipboard(nullptr).SetText(text));
  SetText("txtAdd", u"");
  SendMessageW(Get("txtAdd"), WM_PASTE, 0, 0);
  EXPECT_EQ(Text("txtAdd").size(), text.size());
  Click("cmdAdd");
  ASSERT_EQ(RowCount("lstMoto"), kMaxEntries);
  EXPECT_EQ(ListView_GetTopIndex(Get("lstMoto")), 1);
  EXPECT_EQ(Row("lstMoto", kMaxEntries - 1), u"参加者32765");
  SetText("txtHowWho", u"0");
  Click("cmdBuild");
  EXPECT_EQ(RowCount("lstAto"), kMaxEntries);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace lotwheel::win32
