// Tests of what the main window does when something fails: the message box
// itself, a clipboard that another program holds, and memory running out.
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/engine/failing_allocator.h"
#include "ui/messages.h"
#include "ui/texts.h"
#include "window_driver.h"

namespace lotwheel::win32 {
namespace {

using FailureTest = WindowDriver;

// What the real box showed, read while it is open, before it is answered.
std::vector<std::u16string> box_texts;

BOOL CALLBACK ReadBoxText(HWND child, LPARAM) {
  box_texts.push_back(TextOf(child));
  return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = GetForegroundWindow();
  if (box == nullptr || TextOf(box) != ui::kMessageTitle) return;
  KillTimer(nullptr, timer);
  box_texts.push_back(TextOf(box));
  EnumChildWindows(box, &ReadBoxText, 0);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(MessageBoxTest, SaysErrorOverTheWindowAndGivesTheFocusBack) {
  frmLotwheel window;
  window.Show(SW_SHOWNORMAL);
  SetWindowTextW(window.Control("txtHowWho"), L"1");
  SendMessageW(window.hwnd(), WM_NEXTDLGCTL,
               reinterpret_cast<WPARAM>(window.Control("cmdBuild")), TRUE);
  box_texts.clear();
  SetTimer(nullptr, 0, 50, &AnswerBox);
  SendMessageW(window.Control("cmdBuild"), BM_CLICK, 0, 0);  // until answered
  ASSERT_FALSE(box_texts.empty());
  EXPECT_EQ(box_texts[0], ui::kMessageTitle);
  EXPECT_NE(std::find(box_texts.begin(), box_texts.end(),
                      ui::MessageFor(DrawOutcome::NotEnoughEntries)),
            box_texts.end());
  EXPECT_EQ(GetFocus(), window.Control("cmdBuild"));
}

// Another thread holds the clipboard for a moment, or until the copy gave
// up: a short hold is waited out, a long one is reported.
TEST_F(FailureTest, AHeldClipboardIsWaitedForOrReported) {
  Add(u"A\r\nB");
  Click("cmdBuild");
  const std::u16string output =
      Rows("lstAto")[0] + u"\r\n" + Rows("lstAto")[1] + u"\r\n";
  for (const bool released_soon : {true, false}) {
    messages.clear();
    PutOnClipboard(u"before");
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
    EXPECT_EQ(messages, released_soon
                            ? std::vector<std::u16string>{}
                            : std::vector<std::u16string>{
                                  std::u16string(ui::kClipboardFailedMessage)});
    EXPECT_EQ(RowCount("lstAto"), 2);
  }
}

// One allocation fails: reading the entry box (138 kB), reserving room for
// 10,000 entries (320 kB) while adding, or while drawing them. Both lists
// stay as they were, a message says so, and the next try works.
TEST_F(FailureTest, RunningOutOfMemoryChangesNothing) {
  const std::u16string text = Lines(10'000, u"n");  // up to 6 + CR LF
  struct Case {
    const char* button;
    unsigned long fail_at_least;  // bytes
    int source_after_retry, output_after_retry;
  } cases[] = {
      {"cmdAdd", 100'000, 20'000, 0},
      {"cmdAdd", 200'000, 20'000, 0},
      {"cmdBuild", 200'000, 0, 10'000},
  };
  for (const Case& c : cases) {
    Reopen();  // no room reserved by an earlier case
    Add(text);
    const std::u16string first = Row("lstMoto", 0);
    messages.clear();
    FailAllocationOfAtLeast(c.fail_at_least);
    Click(c.button);
    FailAllocationOfAtLeast(0);
    EXPECT_EQ(messages, std::vector<std::u16string>{
                            std::u16string(ui::kOutOfMemoryMessage)});
    EXPECT_EQ(RowCount("lstMoto"), 10'000);
    EXPECT_EQ(Row("lstMoto", 0), first);
    EXPECT_EQ(RowCount("lstAto"), 0);
    Click(c.button);
    EXPECT_EQ(RowCount("lstMoto"), c.source_after_retry) << c.button;
    EXPECT_EQ(RowCount("lstAto"), c.output_after_retry) << c.button;
  }
}

}  // namespace
}  // namespace lotwheel::win32
