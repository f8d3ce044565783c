// Tests of the Windows main window: what each button does to the lists, the
// messages, the keyboard, the layout at any DPI, the clipboard, very large
// pastes and running out of memory.
#include <algorithm>

#include "engine/draw_session.h"
#include "tests/engine/failing_allocator.h"
#include "ui/messages.h"
#include "ui/row_text.h"
#include "ui/texts.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using MainWindowTest = WindowDriver;

TEST_F(MainWindowTest, StartsEmptyWithCloseBoxAndIcons) {
  EXPECT_EQ(RowCount("lstMoto") + RowCount("lstAto"), 0);
  EXPECT_EQ(Text("txtAdd"), u"");
  EXPECT_EQ(Text("txtHowWho"), u"0");
  EXPECT_EQ(Focus(), "lstMoto");
  EXPECT_EQ(TextOf(w->hwnd()), ui::kMainTitle);
  const LONG style = GetWindowLongW(w->hwnd(), GWL_STYLE);
  EXPECT_EQ(
      style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
      WS_SYSMENU);
  for (WPARAM size : {ICON_BIG, ICON_SMALL})
    EXPECT_NE(SendMessageW(w->hwnd(), WM_GETICON, size, 0), 0) << size;
}

TEST_F(MainWindowTest, ClosingEndsTheProgram) {
  SendMessageW(w->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_TRUE(quit_posted);
  EXPECT_EQ(w->hwnd(), nullptr);
}

// Client area and every control at the window's own DPI, again after a move
// to a 144 dpi screen, and back; fonts follow.
TEST_F(MainWindowTest, LayoutFollowsTheWindowsDpi) {
  const ui::WindowLayout& layout = ui::MainWindowLayout();
  const UINT start_dpi = GetDpiForWindow(w->hwnd());
  UINT applied = start_dpi;
  for (UINT dpi : {start_dpi, start_dpi == 96 ? 144u : 96u, start_dpi}) {
    SCOPED_TRACE(dpi);
    if (dpi != applied) {
      RECT suggested{10, 10, 600, 800};
      SendMessageW(w->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      applied = dpi;
    }
    const int d = static_cast<int>(dpi);
    RECT client;
    GetClientRect(w->hwnd(), &client);
    EXPECT_EQ(client.right, ui::PixelsFromTwips(layout.client_width, d));
    EXPECT_EQ(client.bottom, ui::PixelsFromTwips(layout.client_height, d));
    const std::pair<int, int> size{client.right, client.bottom};
    if (dpi == 96) {
      EXPECT_EQ(size, std::make_pair(360, 441));
    } else if (dpi == 144) {
      EXPECT_EQ(size, std::make_pair(540, 662));
    }
    for (const ui::ControlSpec& spec : layout.controls) {
      // A control inside the frame is measured from the frame's corner.
      POINT at{0, 0};
      if (!spec.parent.empty()) {
        const ui::TwipsRect frame = layout.Control(spec.parent).rect;
        at = {ui::PixelsFromTwips(frame.left, d),
              ui::PixelsFromTwips(frame.top, d)};
      }
      at.x += ui::PixelsFromTwips(spec.rect.left, d);
      at.y += ui::PixelsFromTwips(spec.rect.top, d);
      const RECT expected{at.x, at.y,
                          at.x + ui::PixelsFromTwips(spec.rect.width, d),
                          at.y + ui::PixelsFromTwips(spec.rect.height, d)};
      RECT rect;
      GetWindowRect(Get(spec.name.c_str()), &rect);
      MapWindowPoints(nullptr, w->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_TRUE(EqualRect(&rect, &expected)) << spec.name;
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(
                     SendMessageW(Get(spec.name.c_str()), WM_GETFONT, 0, 0)),
                 sizeof(font), &font);
      EXPECT_EQ(font.lfHeight, -MulDiv(9, d, 72)) << spec.name;
      const bool gothic = spec.font == ui::ControlFont::kGothicBold9;
      EXPECT_EQ(font.lfWeight == FW_BOLD &&
                    font.lfCharSet == SHIFTJIS_CHARSET &&
                    std::wstring(font.lfFaceName) == L"ＭＳ Ｐゴシック",
                gothic)
          << spec.name;
    }
  }
}

// A screen reader names each control by its caption or by the hidden label
// just before it, and reads each row through the list's row request.
TEST_F(MainWindowTest, EveryControlHasItsSpokenName) {
  for (const ui::ControlSpec& spec : ui::MainWindowLayout().controls) {
    HWND control = Get(spec.name.c_str());
    if (spec.kind == ui::ControlKind::kList ||
        spec.kind == ui::ControlKind::kLineEdit ||
        spec.kind == ui::ControlKind::kTextArea) {
      HWND label = GetWindow(control, GW_HWNDPREV);
      EXPECT_EQ(TextOf(label), spec.spoken_name) << spec.name;
      EXPECT_FALSE(IsWindowVisible(label)) << spec.name;
    } else {
      EXPECT_EQ(TextOf(control), spec.caption) << spec.name;
    }
  }
}

// Each click adds every line cut at CR LF only, and leaves the box as it
// was; rows show lone CR and LF as pictures and long entries shortened.
TEST_F(MainWindowTest, AddAppendsEveryLine) {
  const std::u16string long_entry(1'000, u'長');
  struct Case {
    std::u16string text;
    int clicks;
    std::vector<std::u16string> rows;
  } cases[] = {
      {u"佐藤\r\n鈴木", 2, {u"佐藤", u"鈴木", u"佐藤", u"鈴木"}},
      {u"A\r\nB\r\n", 1, {u"A", u"B", u""}},
      {u"A\rB\nC", 1, {u"A␍B␊C"}},
      {long_entry, 1, {ui::RowText(long_entry)}},
  };
  for (const Case& c : cases) {
    Click("cmdClear");
    SetText("txtAdd", c.text);
    for (int i = 0; i < c.clicks; ++i) Click("cmdAdd");
    EXPECT_EQ(Rows("lstMoto"), c.rows);
    EXPECT_EQ(Text("txtAdd"), c.text);
  }
  // A reader's smaller buffer still gets a shortened row, not a cut one.
  EXPECT_EQ(Row("lstMoto", 0, 260), std::u16string(258, u'長') + u"…");
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, DrawsMoveEntriesAndClearKeepsTheCount) {
  Click("cmdBuild");  // from nothing: count 0 means all of none
  Add(u"A\r\nB\r\nC\r\nD\r\nE");
  const std::pair<const char16_t*, int> steps[] = {{u"2.9", 2}, {u"0", 5}};
  for (const auto& [count, total] : steps) {
    SetText("txtHowWho", count);
    Click("cmdBuild");
    EXPECT_EQ(RowCount("lstAto"), total);
    EXPECT_EQ(RowCount("lstMoto"), 5 - total);
  }
  std::vector<std::u16string> drawn = Rows("lstAto");
  std::sort(drawn.begin(), drawn.end());
  EXPECT_EQ(drawn, (std::vector<std::u16string>{u"A", u"B", u"C", u"D", u"E"}));
  Click("cmdClear");
  EXPECT_EQ(RowCount("lstMoto") + RowCount("lstAto"), 0);
  EXPECT_EQ(Text("txtAdd") + Text("txtHowWho"), u"0");
  EXPECT_TRUE(messages.empty());
}

// From "A", "B" and "C" in the source list: each refusal shows one message,
// changes nothing and gives the focus back.
TEST_F(MainWindowTest, RefusalShowsOneMessageAndChangesNothing) {
  struct Case {
    const char16_t* count;
    std::u16string pasted;
    std::u16string_view message;
  } cases[] = {
      {u"4", u"", ui::MessageFor(DrawOutcome::NotEnoughEntries)},
      {u"三", u"", ui::MessageFor(DrawOutcome::InvalidCount)},
      {u"0", Lines(kMaxEntries - 2, u"p"),
       ui::MessageFor(AddOutcome::SourceFull)},
  };
  Add(u"A\r\nB\r\nC");
  for (const Case& c : cases) {
    messages.clear();
    SetText("txtHowWho", c.count);
    SetText("txtAdd", c.pasted);
    const char* button = c.pasted.empty() ? "cmdBuild" : "cmdAdd";
    FocusOn(button);
    Click(button);
    EXPECT_EQ(messages, std::vector<std::u16string>{std::u16string(c.message)});
    EXPECT_EQ(Rows("lstMoto"), (std::vector<std::u16string>{u"A", u"B", u"C"}));
    EXPECT_EQ(RowCount("lstAto"), 0);
    EXPECT_EQ(Focus(), button);
  }
}

// After one entry, the rest of the list up to its limit, pasted: nothing is
// cut, and the first new row is scrolled to the top.
TEST_F(MainWindowTest, PastesTheWholeListAtTheLimit) {
  Add(u"最初");
  const std::u16string text = Lines(kMaxEntries - 1, u"参加者");
  PutOnClipboard(text);
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
