// Tests of the main window's keyboard: Tab order, access keys, Enter, space
// and Esc, and keys held down, all through the dialog manager.
#include <windows.h>

// After windows.h, which it builds on.
#include <imm.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/ui/keyboard_tables.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using KeyboardTest = WindowDriver;
using Ids = std::vector<std::optional<Id>>;

// The main window's buttons pressed while it lives. The presses are held
// back from the window: a key is checked for the button it presses, while
// what each button does is the presenter's, tested there.
class PressRecorder {
 public:
  explicit PressRecorder(HWND window) : window_(window) {
    SetWindowSubclass(window_, &Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  ~PressRecorder() { RemoveWindowSubclass(window_, &Proc, 0); }
  PressRecorder(const PressRecorder&) = delete;
  PressRecorder& operator=(const PressRecorder&) = delete;

  std::vector<Id> pressed;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam,
                               LPARAM lparam, UINT_PTR, DWORD_PTR self) {
    const ui::ControlTable& table = ui::MainWindowTable();
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
      for (const ui::ControlInfo& info : table.controls) {
        if (ControlSet::CommandId(table, info.id) != LOWORD(wparam)) continue;
        reinterpret_cast<PressRecorder*>(self)->pressed.push_back(
            *info.id.As<Id>());
        return 0;
      }
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }

  HWND window_;
};

TEST_F(KeyboardTest, TabAndShiftTabCycleInTabOrder) {
  Ids order;
  for (ui::ControlId id : ui::MainWindowTable().FocusOrder())
    order.push_back(id.As<Id>());
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

// Alt and a letter, from cmdVerInfo: a letter that presses a button sends
// its click and gives it the focus, as in any dialog; a label's letter moves
// the focus on.
TEST_F(KeyboardTest, AccessKeysMoveTheFocusOrPressTheirButton) {
  for (const ui::AccessKey& key : ui::kMainAccessKeys) {
    SCOPED_TRACE(key.letter);
    FocusOn(Id::cmdVerInfo);
    PressRecorder recorder(w->hwnd());
    Key(UINT(key.letter), true);
    const bool presses = key.effect == ui::KeyEffect::kPress;
    const std::optional<Id> control =
        key.control ? key.control->As<Id>() : std::nullopt;
    EXPECT_EQ(recorder.pressed,
              presses ? std::vector<Id>{*control} : std::vector<Id>{});
    EXPECT_EQ(Focus(), control.value_or(Id::cmdVerInfo));
  }
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
  const std::tuple<std::vector<Id>, UINT, bool, std::u16string> cases[] = {
      {{Id::cmdAdd}, VK_RETURN, true, u"A\r\nB"},
      {{Id::cmdAdd}, VK_SPACE, true, u"A\r\nB"},
      {{Id::txtAdd}, VK_RETURN, false, u"A\r\nB\r\n"},
      // A button that had the focus before is no default button.
      {{Id::cmdAdd, Id::txtHowWho}, VK_RETURN, false, u"A\r\nB"},
      {{Id::cmdAdd, Id::lstMoto}, VK_RETURN, false, u"A\r\nB"},
      {{Id::txtAdd}, VK_ESCAPE, false, u"A\r\nB"},
      {{Id::cmdAdd}, VK_ESCAPE, false, u"A\r\nB"},
      {{Id::txtHowWho}, VK_ESCAPE, false, u"A\r\nB"},
  };
  for (const auto& [focus, key, presses, entry_text] : cases) {
    SetText(Id::txtAdd, u"A\r\nB");
    for (Id id : focus) FocusOn(id);
    SendMessageW(Get(Id::txtAdd), EM_SETSEL, 5, 5);
    PressRecorder recorder(w->hwnd());
    Key(key);
    SCOPED_TRACE(testing::PrintToString(focus.back()));
    ASSERT_NE(w->hwnd(), nullptr) << key;
    EXPECT_EQ(recorder.pressed,
              presses ? std::vector<Id>{Id::cmdAdd} : std::vector<Id>{})
        << key;
    EXPECT_EQ(Text(Id::txtAdd), entry_text) << key;
    EXPECT_EQ(Focus(), focus.back()) << key;
  }
}

// One press with three auto-repeats presses once: Enter, space and an
// access key alike.
TEST_F(KeyboardTest, AHeldKeyPressesOnce) {
  const std::tuple<Id, UINT, bool> cases[] = {
      {Id::cmdBuild, VK_RETURN, false}, {Id::cmdAdd, VK_RETURN, false},
      {Id::cmdAdd, VK_SPACE, false},    {Id::cmdBuild, 'S', true},
      {Id::cmdAdd, 'A', true},
  };
  for (const auto& [button, key, alt] : cases) {
    FocusOn(button);
    PressRecorder recorder(w->hwnd());
    Key(key, alt, 3);
    SCOPED_TRACE(testing::PrintToString(button));
    EXPECT_EQ(recorder.pressed, std::vector<Id>{button}) << key;
  }
}

}  // namespace
}  // namespace lotwheel::win32
