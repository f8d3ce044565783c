// The main window's button paths at the list limit, from the click until the
// lists are shown again, on an offscreen QApplication.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "engine/draw_session.h"
#include "ui/qt/frm_lotwheel.h"

namespace {

QString EntryLines(int count) {
  QStringList lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i)
    lines << QStringLiteral("参加者") + QString::number(i);
  return lines.join(QLatin1Char('\n'));
}

// A shown main window and its controls, found by name as a user's tools do.
class Bench {
 public:
  Bench() {
    window_.show();
    QApplication::processEvents();
  }
  QPlainTextEdit* txtAdd() { return Find<QPlainTextEdit>("txtAdd"); }
  QLineEdit* txtHowWho() { return Find<QLineEdit>("txtHowWho"); }
  QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
  QListView* List(const char* name) { return Find<QListView>(name); }
  int Rows(const char* list) {
    return Find<QListView>(list)->model()->rowCount();
  }
  // Clicks and lets the lists lay out and paint, as a user would see them.
  void ClickAndShow(const char* name) {
    Button(name)->click();
    QApplication::processEvents();
  }

 private:
  template <typename T>
  T* Find(const char* name) {
    return window_.findChild<T*>(QString::fromLatin1(name));
  }
  lotwheel::qt::frmLotwheel window_;
};

const QString& FullText() {
  static const QString text = EntryLines(lotwheel::kMaxEntries);
  return text;
}

void BM_PasteAtLimit(benchmark::State& state) {
  Bench bench;
  QApplication::clipboard()->setText(FullText());
  for (auto _ : state) {
    state.PauseTiming();
    bench.txtAdd()->clear();
    state.ResumeTiming();
    bench.txtAdd()->paste();
    QApplication::processEvents();
  }
}

void BM_AddAtLimit(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) {
    state.PauseTiming();
    bench.ClickAndShow("cmdClear");
    bench.txtAdd()->setPlainText(FullText());
    QApplication::processEvents();
    state.ResumeTiming();
    bench.ClickAndShow("cmdAdd");
  }
  if (bench.Rows("lstMoto") != lotwheel::kMaxEntries)
    state.SkipWithError("the add did not fill the list");
}

void BM_DrawAllAtLimit(benchmark::State& state) {
  Bench bench;
  bench.txtHowWho()->setText(QStringLiteral("0"));
  for (auto _ : state) {
    state.PauseTiming();
    bench.ClickAndShow("cmdClear");
    bench.txtAdd()->setPlainText(FullText());
    bench.ClickAndShow("cmdAdd");
    state.ResumeTiming();
    bench.ClickAndShow("cmdBuild");
  }
  if (bench.Rows("lstAto") != lotwheel::kMaxEntries)
    state.SkipWithError("the draw did not move every entry");
}

// One entry of 20 million characters among a few short ones: its row shows
// it shortened, so neither the list nor the window stalls on it.
const QString& GiantText() {
  static const QString text = QStringLiteral("before\n") +
                              QString(20'000'000, QLatin1Char('g')) +
                              QStringLiteral("\nafter");
  return text;
}

// The entry box keeps its text after an add, so each pass adds the giant
// entry again without pasting it anew.
void BM_AddGiantEntry(benchmark::State& state) {
  Bench bench;
  bench.txtAdd()->setPlainText(GiantText());
  QApplication::processEvents();
  for (auto _ : state) bench.ClickAndShow("cmdAdd");
}

void BM_DrawGiantEntry(benchmark::State& state) {
  Bench bench;
  bench.txtAdd()->setPlainText(GiantText());
  bench.txtHowWho()->setText(QStringLiteral("0"));
  for (auto _ : state) {
    state.PauseTiming();
    bench.ClickAndShow("cmdAdd");
    state.ResumeTiming();
    bench.ClickAndShow("cmdBuild");
  }
}

// Scrolls the output list from its top to its end and back, repainting
// the rows each time.
void BM_ScrollGiantEntry(benchmark::State& state) {
  Bench bench;
  bench.txtAdd()->setPlainText(GiantText() + QStringLiteral("\n") +
                               EntryLines(200));
  bench.ClickAndShow("cmdAdd");
  bench.txtAdd()->clear();
  bench.ClickAndShow("cmdBuild");
  QListView* list = bench.List("lstAto");
  bool to_end = true;
  for (auto _ : state) {
    to_end ? list->scrollToBottom() : list->scrollToTop();
    to_end = !to_end;
    list->viewport()->repaint();
  }
}

BENCHMARK(BM_AddGiantEntry)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_DrawGiantEntry)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_ScrollGiantEntry)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PasteAtLimit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AddAtLimit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DrawAllAtLimit)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // The windows are timed without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
