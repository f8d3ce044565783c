// Tests of the main window's keyboard: Tab order, access keys, Enter, space
// and Esc, and keys held down, all through the dialog manager.
#include <string>
#include <tuple>
#include <vector>

#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using KeyboardTest = WindowDriver;

TEST_F(KeyboardTest, TabAndShiftTabCycleInTabOrder) {
  const std::vector<std::string> order = ui::MainWindowLayout().FocusOrder();
  std::vector<std::string> forward, backward;
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

// Alt and a key, from cmdVerInfo, with "A", "B", "C" added once and again
// in the entry box. A pressed button takes the focus, as in any dialog.
TEST_F(KeyboardTest, AccessKeysMoveTheFocusOrPressTheirButton) {
  const std::tuple<char, std::string, int, int> cases[] = {
      {'I', "lstMoto", 3, 0},    {'T', "txtHowWho", 3, 0},
      {'O', "cmdVerInfo", 3, 0}, {'A', "cmdAdd", 6, 0},
      {'S', "cmdBuild", 0, 3},   {'C', "cmdClear", 0, 0},
  };
  for (const auto& [key, focus, source, output] : cases) {
    Click("cmdClear");
    Add(u"A\r\nB\r\nC");
    FocusOn("cmdVerInfo");
    Key(key, true);
    EXPECT_EQ(Focus(), focus) << key;
    EXPECT_EQ(RowCount("lstMoto"), source) << key;
    EXPECT_EQ(RowCount("lstAto"), output) << key;
  }
  EXPECT_TRUE(messages.empty());
}

// With "A" and "B" in the entry box: Enter and space press only a focused
// button, Enter in the entry box starts a line, Esc does nothing anywhere.
TEST_F(KeyboardTest, EnterSpaceAndEscPressOnlyAFocusedButton) {
  const std::tuple<std::vector<const char*>, UINT, int, std::u16string>
      cases[] = {
          {{"cmdAdd"}, VK_RETURN, 2, u"A\r\nB"},
          {{"cmdAdd"}, VK_SPACE, 2, u"A\r\nB"},
          {{"txtAdd"}, VK_RETURN, 0, u"A\r\nB\r\n"},
          // A button that had the focus before is no default button.
          {{"cmdAdd", "txtHowWho"}, VK_RETURN, 0, u"A\r\nB"},
          {{"cmdAdd", "lstMoto"}, VK_RETURN, 0, u"A\r\nB"},
          {{"txtAdd"}, VK_ESCAPE, 0, u"A\r\nB"},
          {{"cmdAdd"}, VK_ESCAPE, 0, u"A\r\nB"},
          {{"txtHowWho"}, VK_ESCAPE, 0, u"A\r\nB"},
      };
  for (const auto& [focus, key, added, entry_text] : cases) {
    Click("cmdClear");
    SetText("txtAdd", u"A\r\nB");
    for (const char* name : focus) FocusOn(name);
    SendMessageW(Get("txtAdd"), EM_SETSEL, 5, 5);
    Key(key);
    SCOPED_TRACE(focus.back());
    ASSERT_NE(w->hwnd(), nullptr) << key;
    EXPECT_EQ(RowCount("lstMoto"), added) << key;
    EXPECT_EQ(Text("txtAdd"), entry_text) << key;
    EXPECT_EQ(Focus(), focus.back()) << key;
  }
  EXPECT_TRUE(messages.empty());
}

// One press with three auto-repeats presses once: Enter, space and an
// access key alike. From five entries and the count 1.
TEST_F(KeyboardTest, AHeldKeyPressesOnce) {
  const std::tuple<const char*, UINT, bool, int, int> cases[] = {
      {"cmdBuild", VK_RETURN, false, 4, 1}, {"cmdAdd", VK_RETURN, false, 10, 0},
      {"cmdAdd", VK_SPACE, false, 10, 0},   {"cmdBuild", 'S', true, 4, 1},
      {"cmdAdd", 'A', true, 10, 0},
  };
  for (const auto& [button, key, alt, source, output] : cases) {
    Click("cmdClear");
    Add(u"A\r\nB\r\nC\r\nD\r\nE");
    SetText("txtHowWho", u"1");
    FocusOn(button);
    Key(key, alt, 3);
    EXPECT_EQ(RowCount("lstMoto"), source) << button << key;
    EXPECT_EQ(RowCount("lstAto"), output) << button << key;
  }
}

}  // namespace
}  // namespace lotwheel::win32
