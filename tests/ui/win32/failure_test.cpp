// Tests of the main window against the real system when something fails:
// the message box itself, and a clipboard that another program holds.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

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
  if (box == nullptr || WindowText(box) != ui::kMessageTitle) return;
  KillTimer(nullptr, timer);
  box_texts = {WindowText(box)};
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    box_texts.push_back(WindowText(c));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(MessageBoxTest, SaysErrorOverTheWindowAndGivesTheFocusBack) {
  DropQuit();
  frmLotwheel window;
  window.Show(SW_SHOWNORMAL);
  HWND button = window.Control(Id::cmdBuild);
  SetWindowTextW(window.Control(Id::txtHowWho), L"1");
  SendMessageW(window.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button),
               TRUE);
  SetTimer(nullptr, 0, 50, &AnswerBox);
  SendMessageW(button, BM_CLICK, 0, 0);  // until answered
  ASSERT_FALSE(box_texts.empty());
  EXPECT_EQ(box_texts[0], ui::kMessageTitle);
  EXPECT_EQ(std::count(box_texts.begin(), box_texts.end(),
                       ui::MessageFor(DrawOutcome::NotEnoughEntries)),
            1);
  EXPECT_EQ(GetFocus(), button);
}

// Another thread holds the clipboard for a moment, or until the copy gave
// up: a short hold is waited out, a long one is reported.
TEST_F(FailureTest, AHeldClipboardIsWaitedForOrReported) {
  Add(u"A\r\nB");
  Click(Id::cmdBuild);
  const std::u16string output =
      Row(Id::lstAto, 0) + u"\r\n" + Row(Id::lstAto, 1) + u"\r\n";
  for (const bool released_soon : {true, false}) {
    messages.clear();
    Win32Clipboard(w->hwnd()).ReplaceText(u"before");
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
    Click(Id::cmdCopy);
    copied = true;
    holder.join();
    EXPECT_EQ(ClipboardText(), released_soon ? output : u"before");
    EXPECT_EQ(messages,
              released_soon
                  ? Texts{}
                  : Texts{std::u16string(ui::kClipboardFailedMessage)});
    EXPECT_EQ(RowCount(Id::lstAto), 2);
  }
}

}  // namespace
}  // namespace lotwheel::win32
