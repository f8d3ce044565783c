// Tests of the main window's keyboard: Tab order, access keys, Enter, space
// and Esc, and keys held down, all through the dialog manager.
#include <string>
#include <vector>

#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using KeyboardTest = WindowDriver;

TEST_F(KeyboardTest, TabAndShiftTabCycleInTabOrder) {
  const std::vector<std::string> order = ui::MainWindowLayout().FocusOrder();
  std::vector<std::string> forward, backward;
  for (size_t i = 0; i < order.size(); ++i) {
    forward.push_back(Focus());
    Key(VK_TAB);
  }
  EXPECT_EQ(forward, order);
  EXPECT_EQ(Focus(), order.front());  // wrapped
  for (size_t i = 0; i < order.size(); ++i) {
    ShiftKey(VK_TAB);
    backward.insert(backward.begin(), Focus());
  }
  EXPECT_EQ(backward, order);
}

// From cmdVerInfo, with "A", "B", "C" added once and again in the entry box.
TEST_F(KeyboardTest, AccessKeysMoveTheFocusOrPressTheirButton) {
  struct Case {
    char key;
    std::string focus;  // where the focus ends: a pressed button has it
    int source, output;
  } cases[] = {
      {'I', "lstMoto", 3, 0},    {'T', "txtHowWho", 3, 0},
      {'O', "cmdVerInfo", 3, 0}, {'A', "cmdAdd", 6, 0},
      {'S', "cmdBuild", 0, 3},   {'C', "cmdClear", 0, 0},
  };
  for (const Case& c : cases) {
    Click("cmdClear");
    Add(u"A\r\nB\r\nC");
    FocusOn("cmdVerInfo");
    Key(c.key, true);
    EXPECT_EQ(Focus(), c.focus) << c.key;
    EXPECT_EQ(RowCount("lstMoto"), c.source) << c.key;
    EXPECT_EQ(RowCount("lstAto"), c.output) << c.key;
  }
  EXPECT_TRUE(messages.empty());
}

// With "A" and "B" in the entry box: Enter and space press only a focused
// button, Enter in the entry box starts a line, Esc does nothing anywhere.
TEST_F(KeyboardTest, EnterSpaceAndEscPressOnlyAFocusedButton) {
  struct Case {
    std::vector<const char*> focus;  // in this order
    UINT key;
    int added;
    std::u16string entry_text;
  } cases[] = {
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
  for (const Case& c : cases) {
    Click("cmdClear");
    SetText("txtAdd", u"A\r\nB");
    for (const char* name : c.focus) FocusOn(name);
    SendMessageW(Get("txtAdd"), EM_SETSEL, 5, 5);
    Key(c.key);
    SCOPED_TRACE(c.focus.back());
    ASSERT_NE(w->hwnd(), nullptr) << c.key;
    EXPECT_EQ(RowCount("lstMoto"), c.added) << c.key;
    EXPECT_EQ(Text("txtAdd"), c.entry_text) << c.key;
    EXPECT_EQ(Focus(), c.focus.back()) << c.key;
  }
  EXPECT_TRUE(messages.empty());
}

// One press with three auto-repeats presses once: Enter, space and the
// access key alike. From five entries and the count 1.
TEST_F(KeyboardTest, AHeldKeyPressesOnce) {
  struct Case {
    const char* button;
    UINT key;
    bool alt;
    int source, output;
  } cases[] = {
      {"cmdBuild", VK_RETURN, false, 4, 1}, {"cmdAdd", VK_RETURN, false, 10, 0},
      {"cmdAdd", VK_SPACE, false, 10, 0},   {"cmdBuild", 'S', true, 4, 1},
      {"cmdAdd", 'A', true, 10, 0},
  };
  for (const Case& c : cases) {
    Click("cmdClear");
    Add(u"A\r\nB\r\nC\r\nD\r\nE");
    SetText("txtHowWho", u"1");
    FocusOn(c.button);
    Key(c.key, c.alt, 3);
    EXPECT_EQ(RowCount("lstMoto"), c.source) << c.button << c.key;
    EXPECT_EQ(RowCount("lstAto"), c.output) << c.button << c.key;
  }
}

}  // namespace
}  // namespace lotwheel::win32
