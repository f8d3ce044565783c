// Tests of what the main window does when something fails: the message box
// itself, a clipboard that another program holds, and memory running out.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/engine/failing_allocator.h"
#include "ui/messages.h"
#include "ui/texts.h"
#include "ui/win32/win32_clipboard.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using FailureTest = WindowDriver;

// What the real box showed: its title, then its controls' texts.
std::vector<std::u16string> box_texts;

// Reads the box while it is open, on a timer tick of its modal loop.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = GetForegroundWindow();
  if (box == nullptr || TextOf(box) != ui::kMessageTitle) return;
  KillTimer(nullptr, timer);
  box_texts = {TextOf(box)};
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    box_texts.push_back(TextOf(c));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(MessageBoxTest, SaysErrorOverTheWindowAndGivesTheFocusBack) {
  DropQuit();
  frmLotwheel window;
  window.Show(SW_SHOWNORMAL);
  SetWindowTextW(window.Control("txtHowWho"), L"1");
  SendMessageW(window.hwnd(), WM_NEXTDLGCTL,
               reinterpret_cast<WPARAM>(window.Control("cmdBuild")), TRUE);
  SetTimer(nullptr, 0, 50, &AnswerBox);
  SendMessageW(window.Control("cmdBuild"), BM_CLICK, 0, 0);  // until answered
  ASSERT_FALSE(box_texts.empty());
  EXPECT_EQ(box_texts[0], ui::kMessageTitle);
  EXPECT_EQ(std::count(box_texts.begin(), box_texts.end(),
                       ui::MessageFor(DrawOutcome::NotEnoughEntries)),
            1);
  EXPECT_EQ(GetFocus(), window.Control("cmdBuild"));
}

// Another thread holds the clipboard for a moment, or until the copy gave
// up: a short hold is waited out, a long one is reported.
TEST_F(FailureTest, AHeldClipboardIsWaitedForOrReported) {
  Add(u"A\r\nB");
  Click("cmdBuild");
  const std::u16string output =
      Row("lstAto", 0) + u"\r\n" + Row("lstAto", 1) + u"\r\n";
  for (const bool released_soon : {true, false}) {
    messages.clear();
    Win32Clipboard(nullptr).SetText(u"before");
    std::atomic<bool> opened = false, copied = false;
    std::thread holder([&] {
      opened = OpenClipboard(nullptr) != FALSE;
      const auto until = std::chrono::steady_clock::now() +
                         std::chrono::milliseconds(released_soon ? 100 : 5000);
      while (!copied && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      CloseClipboard();
    });
    while (!opened) std::this_thread::yield();
    Click("cmdCopy");
    copied = true;
    holder.join();
    EXPECT_EQ(ClipboardText(), released_soon ? output : u"before");
    EXPECT_EQ(messages,
              released_soon
                  ? Texts{}
                  : Texts{std::u16string(ui::kClipboardFailedMessage)});
    EXPECT_EQ(RowCount("lstAto"), 2);
  }
}

// One allocation fails: reading the entry box (138 kB), reserving room for
// 10,000 entries (320 kB) while adding, or while drawing them. Both lists
// stay as they were, a message says so, and the next try works.
TEST_F(FailureTest, RunningOutOfMemoryChangesNothing) {
  const std::u16string text = Lines(10'000, u"n");  // up to 6 + CR LF
  const std::tuple<const char*, unsigned long, int, int> cases[] = {
      {"cmdAdd", 100'000, 20'000, 0},
      {"cmdAdd", 200'000, 20'000, 0},
      {"cmdBuild", 200'000, 0, 10'000},
  };
  for (const auto& [button, fail_at_least, source, output] : cases) {
    Reopen();  // no room reserved by an earlier case
    Add(text);
    const std::u16string first = Row("lstMoto", 0);
    messages.clear();
    FailAllocationOfAtLeast(fail_at_least);
    Click(button);
    FailAllocationOfAtLeast(0);
    EXPECT_EQ(messages, Texts{std::u16string(ui::kOutOfMemoryMessage)});
    EXPECT_EQ(RowCount("lstMoto"), 10'000);
    EXPECT_EQ(Row("lstMoto", 0), first);
    EXPECT_EQ(RowCount("lstAto"), 0);
    Click(button);
    EXPECT_EQ(RowCount("lstMoto"), source) << button;
    EXPECT_EQ(RowCount("lstAto"), output) << button;
  }
}

}  // namespace
}  // namespace lotwheel::win32
