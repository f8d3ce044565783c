// The Windows main window's button paths at the list limit, from the click
// until the lists are painted again; run under Wine or on Windows. Google
// Benchmark has no MinGW build here, so the program times itself.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/draw_session.h"
#include "ui/control_table.h"
#include "ui/win32/dialog_message.h"
#include "ui/win32/frm_lotwheel.h"

namespace {

using lotwheel::ui::MainControl;

constexpr int kRuns = 15;

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

std::wstring EntryLines(int count) {
  std::wstring text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += L"\r\n";
    text += L"参加者" + std::to_wstring(i);
  }
  return text;
}

class Bench {
 public:
  Bench() {
    window_.UseMessageBox([](HWND, std::u16string_view) {
      std::fputs("unexpected message box\n", stderr);
    });
    window_.Show(SW_SHOWNORMAL);
    ShowAll();
  }
  HWND Control(MainControl id) { return window_.Control(id); }
  // Clicks and lets every control paint, as a user would see the result.
  void ClickAndShow(MainControl button) {
    SendMessageW(Control(button), BM_CLICK, 0, 0);
    ShowAll();
  }
  void ShowAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (lotwheel::win32::RouteDialogMessage(window_.hwnd(), msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    RedrawWindow(window_.hwnd(), nullptr, nullptr,
                 RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
  }
  int Rows(MainControl list) {
    return static_cast<int>(SendMessageW(Control(list), 0x1004, 0, 0));
  }

 private:
  lotwheel::win32::frmLotwheel window_;
};

// Runs `prepare` untimed and `measured` timed kRuns times; prints the median
// and the fastest run.
void Report(const char* name, const std::function<void()>& prepare,
            const std::function<void()>& measured) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    prepare();
    const double start = NowMs();
    measured();
    times.push_back(NowMs() - start);
  }
  std::sort(times.begin(), times.end());
  std::printf("%-34s median %8.2f ms   fastest %8.2f ms\n", name,
              times[times.size() / 2], times.front());
}

}  // namespace

int main() {
  Bench bench;
  const std::wstring text = EntryLines(lotwheel::kMaxEntries);
  HWND txtAdd = bench.Control(MainControl::txtAdd);
  const auto fill_entry_box = [&] {
    bench.ClickAndShow(MainControl::cmdClear);
    SetWindowTextW(txtAdd, text.c_str());
    bench.ShowAll();
  };
  Report(
      "entry box: set 32,767 lines",
      [&] { bench.ClickAndShow(MainControl::cmdClear); },
      [&] {
        SetWindowTextW(txtAdd, text.c_str());
        bench.ShowAll();
      });
  Report("add 32,767 lines, list shown", fill_entry_box,
         [&] { bench.ClickAndShow(MainControl::cmdAdd); });
  const bool added = bench.Rows(MainControl::lstMoto) == lotwheel::kMaxEntries;
  SetWindowTextW(bench.Control(MainControl::txtHowWho), L"0");
  Report(
      "draw 0 of 32,767, lists shown",
      [&] {
        fill_entry_box();
        bench.ClickAndShow(MainControl::cmdAdd);
      },
      [&] { bench.ClickAndShow(MainControl::cmdBuild); });
  const bool drawn = bench.Rows(MainControl::lstAto) == lotwheel::kMaxEntries;
  if (!added || !drawn) {
    std::fputs("the buttons did not fill the lists\n", stderr);
    return 1;
  }
  return 0;
}
