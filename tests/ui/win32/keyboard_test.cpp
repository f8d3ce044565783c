// Tests of the main window's keyboard: Tab order, access keys, Enter, space
// and Esc, and keys held down, all through the dialog manager.
#include <windows.h>

// After windows.h, which it builds on.
#include <imm.h>

#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/ui/keyboard_tables.h"
#include "ui/win32/win32_clipboard.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using KeyboardTest = WindowDriver;
using Ids = std::vector<std::optional<Id>>;

TEST_F(KeyboardTest, TabAndShiftTabCycleInTabOrder) {
  const Ids order(std::begin(ui::kMainTabOrder), std::end(ui::kMainTabOrder));
  Ids forward, backward;
  for (size_t i = 0; i < order.size(); ++i, Key(VK_TAB))
    forward.push_back(Focus());
  EXPECT_EQ(forward, order);
  EXPECT_EQ(Focus(), order.front());  // wrapped
  for (size_t i = 0; i < order.size(); ++i) {
    Key(VK_TAB, false, 0, true);
    backward.insert(backward.begin(), Focus());
  }
  EXPECT_EQ(backward, order);
}

// Alt and a letter, from cmdVerInfo with "A", "B", "C" in the input list and
// again in the entry box: a letter that presses a button does what a click
// on it does, and the button takes the focus, as in any dialog.
TEST_F(KeyboardTest, AccessKeysMoveTheFocusOrPressTheirButton) {
  // The lists' lengths, the entry box and the clipboard after `act`.
  const auto after = [&](const std::function<void()>& act) {
    Click(Id::cmdClear);
    Add(u"A\r\nB\r\nC");
    Win32Clipboard(nullptr).ReplaceText(u"before");
    FocusOn(Id::cmdVerInfo);
    act();
    return std::tuple(RowCount(Id::lstMoto), RowCount(Id::lstAto),
                      Text(Id::txtAdd), ClipboardText());
  };
  const auto untouched = after([] {});
  for (const ui::AccessKey& key : ui::kMainAccessKeys) {
    // The version window is opened by its key in VerInfoTest.
    if (key.control == Id::cmdVerInfo) continue;
    SCOPED_TRACE(key.letter);
    const auto by_key = after([&] { Key(key.letter, true); });
    EXPECT_EQ(Focus(), key.control.value_or(Id::cmdVerInfo));
    if (!key.presses) {
      EXPECT_EQ(by_key, untouched);
      continue;
    }
    const auto by_click = after([&] { Click(*key.control); });
    EXPECT_NE(by_click, untouched);
    EXPECT_EQ(by_key, by_click);
  }
  EXPECT_TRUE(messages.empty());
}

// An access key, like a click, has the input method finish what it is
// composing before the button reads the box: the composition is over, its
// text stands in the box once and is added. Wine's own IME composes here.
TEST_F(KeyboardTest, AnAccessKeyFinishesTheComposition) {
  HWND box = Get(Id::txtAdd);
  const auto composed_bytes = [box] {
    HIMC context = ImmGetContext(box);
    const LONG bytes =
        ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0);
    ImmReleaseContext(box, context);
    return bytes;
  };
  FocusOn(Id::txtAdd);
  SetText(Id::txtAdd, u"山田\r\n");
  const auto end = static_cast<WPARAM>(Text(Id::txtAdd).size());
  SendMessageW(box, EM_SETSEL, end, static_cast<LPARAM>(end));
  HIMC context = ImmGetContext(box);
  std::wstring word = L"たなか";
  ImmSetCompositionStringW(context, SCS_SETSTR, word.data(),
                           static_cast<DWORD>(word.size() * sizeof(wchar_t)),
                           nullptr, 0);
  ImmReleaseContext(box, context);
  Pump();
  ASSERT_GT(composed_bytes(), 0);
  Key('A', true);
  EXPECT_EQ(composed_bytes(), 0);
  EXPECT_EQ(Text(Id::txtAdd), u"山田\r\nたなか");
  EXPECT_EQ(Rows(Id::lstMoto), (Texts{u"山田", u"たなか"}));
}

// With "A" and "B" in the entry box: Enter and space press only a focused
// button, Enter in the entry box starts a line, Esc does nothing anywhere.
TEST_F(KeyboardTest, EnterSpaceAndEscPressOnlyAFocusedButton) {
  const std::tuple<std::vector<Id>, UINT, int, std::u16string> cases[] = {
      {{Id::cmdAdd}, VK_RETURN, 2, u"A\r\nB"},
      {{Id::cmdAdd}, VK_SPACE, 2, u"A\r\nB"},
      {{Id::txtAdd}, VK_RETURN, 0, u"A\r\nB\r\n"},
      // A button that had the focus before is no default button.
      {{Id::cmdAdd, Id::txtHowWho}, VK_RETURN, 0, u"A\r\nB"},
      {{Id::cmdAdd, Id::lstMoto}, VK_RETURN, 0, u"A\r\nB"},
      {{Id::txtAdd}, VK_ESCAPE, 0, u"A\r\nB"},
      {{Id::cmdAdd}, VK_ESCAPE, 0, u"A\r\nB"},
      {{Id::txtHowWho}, VK_ESCAPE, 0, u"A\r\nB"},
  };
  for (const auto& [focus, key, added, entry_text] : cases) {
    Click(Id::cmdClear);
    SetText(Id::txtAdd, u"A\r\nB");
    for (Id id : focus) FocusOn(id);
    SendMessageW(Get(Id::txtAdd), EM_SETSEL, 5, 5);
    Key(key);
    SCOPED_TRACE(testing::PrintToString(focus.back()));
    ASSERT_NE(w->hwnd(), nullptr) << key;
    EXPECT_EQ(RowCount(Id::lstMoto), added) << key;
    EXPECT_EQ(Text(Id::txtAdd), entry_text) << key;
    EXPECT_EQ(Focus(), focus.back()) << key;
  }
  EXPECT_TRUE(messages.empty());
}

// One press with three auto-repeats presses once: Enter, space and an
// access key alike. From five entries and the count 1.
TEST_F(KeyboardTest, AHeldKeyPressesOnce) {
  const std::tuple<Id, UINT, bool, int, int> cases[] = {
      {Id::cmdBuild, VK_RETURN, false, 4, 1},
      {Id::cmdAdd, VK_RETURN, false, 10, 0},
      {Id::cmdAdd, VK_SPACE, false, 10, 0},
      {Id::cmdBuild, 'S', true, 4, 1},
      {Id::cmdAdd, 'A', true, 10, 0},
  };
  for (const auto& [button, key, alt, source, output] : cases) {
    Click(Id::cmdClear);
    Add(u"A\r\nB\r\nC\r\nD\r\nE");
    SetText(Id::txtHowWho, u"1");
    FocusOn(button);
    Key(key, alt, 3);
    SCOPED_TRACE(testing::PrintToString(button));
    EXPECT_EQ(RowCount(Id::lstMoto), source) << key;
    EXPECT_EQ(RowCount(Id::lstAto), output) << key;
  }
}

}  // namespace
}  // namespace lotwheel::win32
