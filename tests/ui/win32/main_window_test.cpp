// Tests of the Windows main window: each control's way to its presenter, the
// layout and fonts at any DPI, what a screen reader reads, and the list limit
// pasted whole.
#include <iterator>

#include "engine/draw_session.h"
#include "fake_uia.h"
#include "ui/announcements.h"
#include "ui/row_text.h"
#include "ui/texts.h"
#include "ui/twips.h"
#include "ui/win32/win32_clipboard.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using MainWindowTest = WindowDriver;

TEST_F(MainWindowTest, StartsEmptyWithCloseBoxAndIconsAndClosesAtOnce) {
  EXPECT_EQ(RowCount(Id::lstMoto) + RowCount(Id::lstAto), 0);
  EXPECT_EQ(Text(Id::txtAdd), u"");
  EXPECT_EQ(Text(Id::txtHowWho),
            ui::MainWindowTable().Row(Id::txtHowWho).caption);
  EXPECT_EQ(Focus(), ui::MainWindowTable().FocusOrder().front());
  EXPECT_EQ(WindowText(w->hwnd()), ui::kMainTitle);
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

// Each button reaches its operation with the boxes' texts, and the lists,
// the entry box and the clipboard show what it did; a screen reader hears
// it through a UI Automation notification on the window.
TEST_F(MainWindowTest, EachButtonReachesItsOperation) {
  raised.clear();
  const UiaFunctions system =
      UseUiaFunctions({&HostProvider, &RaiseNotification});
  Add(u"A\r\nB\r\nC");
  EXPECT_EQ(Rows(Id::lstMoto), (Texts{u"A", u"B", u"C"}));
  SetText(Id::txtHowWho, u"2");
  Click(Id::cmdBuild);
  EXPECT_EQ(RowCount(Id::lstMoto) * 10 + RowCount(Id::lstAto), 12);
  const std::u16string first = Row(Id::lstAto, 0), second = Row(Id::lstAto, 1);
  Click(Id::cmdCopy);
  EXPECT_EQ(ClipboardText(), first + u"\r\n" + second + u"\r\n");
  Click(Id::cmdClear);
  EXPECT_EQ(RowCount(Id::lstMoto) + RowCount(Id::lstAto), 0);
  EXPECT_EQ(Text(Id::txtAdd) + Text(Id::txtHowWho), u"2");
  EXPECT_TRUE(messages.empty());
  UseUiaFunctions(system);
  // One announcement each; a draw's words depend on the names drawn.
  std::vector<std::u16string> said;
  for (const Raised& event : raised) said.push_back(ToU16(event.text));
  ASSERT_EQ(said.size(), 4u);
  EXPECT_EQ(said[0], ui::AddedText(3, 3));
  EXPECT_FALSE(said[1].empty());
  EXPECT_EQ(said[2], ui::CopiedText(2));
  EXPECT_EQ(said[3], ui::ClearedText());
  EXPECT_EQ(asked_for, w->hwnd());
}

// Every control and the client area at the window's own DPI, again after a
// move to a screen of another DPI, and back; the fonts follow.
TEST_F(MainWindowTest, LayoutAndFontsFollowTheWindowsDpi) {
  const ui::ControlTable& table = ui::MainWindowTable();
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
    const SIZE size{px(table.client_width), px(table.client_height)};
    EXPECT_EQ(client.right * 1000 + client.bottom, size.cx * 1000 + size.cy);
    EXPECT_TRUE(dpi != 96 || size.cx * 1000 + size.cy == 360'441);
    for (const ui::ControlInfo& info : table.controls) {
      // A control inside the frame is measured from the frame's corner.
      const ui::TwipsRect frame =
          info.parent ? table.Row(*info.parent).rect : ui::TwipsRect{};
      const LONG left = px(frame.left) + px(info.rect.left);
      const LONG top = px(frame.top) + px(info.rect.top);
      const RECT expected{left, top, left + px(info.rect.width),
                          top + px(info.rect.height)};
      RECT rect;
      GetWindowRect(Get(info.id), &rect);
      MapWindowPoints(nullptr, w->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_TRUE(EqualRect(&rect, &expected)) << info.name;
      LOGFONTW font{};
      GetObjectW(
          reinterpret_cast<HFONT>(SendMessageW(Get(info.id), WM_GETFONT, 0, 0)),
          sizeof(font), &font);
      EXPECT_EQ(font.lfHeight, -MulDiv(9, static_cast<int>(dpi), 72));
      EXPECT_EQ(info.font == ui::ControlFont::kGothicBold9,
                font.lfWeight == FW_BOLD &&
                    font.lfCharSet == SHIFTJIS_CHARSET &&
                    U16View(font.lfFaceName) == ui::kGothicFace)
          << info.name;
    }
  }
}

// A screen reader names each box and list by the hidden label just before
// it, and everything else by its caption.
TEST_F(MainWindowTest, EveryControlHasItsSpokenName) {
  for (const ui::ControlInfo& info : ui::MainWindowTable().controls) {
    HWND control = Get(info.id);
    if (info.kind == ui::ControlKind::kList ||
        info.kind == ui::ControlKind::kLineEdit ||
        info.kind == ui::ControlKind::kTextArea) {
      HWND label = GetWindow(control, GW_HWNDPREV);
      EXPECT_EQ(WindowText(label), info.spoken_name) << info.name;
      EXPECT_FALSE(IsWindowVisible(label)) << info.name;
      continue;
    }
    EXPECT_EQ(WindowText(control), info.caption) << info.name;
    // The clean name, "追加" for "追加(&A)".
    EXPECT_EQ(SpokenOf(control).name, info.spoken_name) << info.name;
  }
}

// Rows reach a screen reader through the list view's own request, shortened
// to its buffer rather than cut.
TEST_F(MainWindowTest, RowsFitTheBufferTheyAreAskedFor) {
  const std::u16string long_entry(1'000, u'長');
  Add(u"A\rB\nC\r\n" + long_entry);
  EXPECT_EQ(Rows(Id::lstMoto), (Texts{u"A␍B␊C", ui::RowText(long_entry)}));
  EXPECT_EQ(Row(Id::lstMoto, 1, 260), std::u16string(258, u'長') + u"…");
}

// After one entry, the rest of the list up to its limit, pasted: nothing is
// cut, and the first new row is scrolled to the top.
TEST_F(MainWindowTest, PastesTheWholeListAtTheLimit) {
  Add(u"最初");
  const std::u16string text = Lines(kMaxEntries - 1, u"参加者");
  ASSERT_TRUE(Win32Clipboard(w->hwnd()).ReplaceText(text));
  SetText(Id::txtAdd, u"");
  SendMessageW(Get(Id::txtAdd), WM_PASTE, 0, 0);
  EXPECT_EQ(Text(Id::txtAdd).size(), text.size());
  Click(Id::cmdAdd);
  ASSERT_EQ(RowCount(Id::lstMoto), kMaxEntries);
  EXPECT_EQ(ListView_GetTopIndex(Get(Id::lstMoto)), 1);
  EXPECT_EQ(Row(Id::lstMoto, kMaxEntries - 1), u"参加者32765");
  SetText(Id::txtHowWho, u"0");
  Click(Id::cmdBuild);
  EXPECT_EQ(RowCount(Id::lstAto), kMaxEntries);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace lotwheel::win32
