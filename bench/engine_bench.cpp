// Speed of the draw engine at the list limit, and of the literal draw that
// shifts the list at every pick, in the same run; prints how far apart, and
// how much memory the lists take against the size of their text.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "engine/clock_random_source.h"
#include "engine/draw_session.h"

namespace lotwheel {
namespace {

// Each entrant name is this many UTF-16 units: longer than a short-string
// buffer, as real names mostly are.
constexpr size_t kNameLength = 12;

// 32,767 entrant names, one a line, as a user would paste them.
const std::u16string& FullText() {
  static const std::u16string text = [] {
    std::u16string t;
    for (int i = 0; i < kMaxEntries; ++i) {
      if (i > 0) t += u"\r\n";
      std::u16string name = u"参加者 No.";
      const std::string digits = std::to_string(i);
      name.append(kNameLength - name.size() - digits.size(), u'0');
      t += name + std::u16string(digits.begin(), digits.end());
    }
    return t;
  }();
  return text;
}

std::unique_ptr<DrawSession> NewSession() {
  uint64_t now = 0;
  return std::make_unique<DrawSession>(std::make_unique<ClockRandomSource>(
      2024, [now]() mutable { return now += 1000; }));
}

void BM_AddLines(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto session = NewSession();
    state.ResumeTiming();
    session->AddLines(FullText());
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}

// Draws count_text from a full list; the set-up is left out of the timing.
void TimeDraw(benchmark::State& state, const char16_t* count_text) {
  for (auto _ : state) {
    state.PauseTiming();
    auto session = NewSession();
    session->AddLines(FullText());
    state.ResumeTiming();
    benchmark::DoNotOptimize(session->Draw(count_text));
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
}

void BM_DrawAll(benchmark::State& state) { TimeDraw(state, u"0"); }
void BM_DrawHalf(benchmark::State& state) { TimeDraw(state, u"16383"); }

void BM_ExportText(benchmark::State& state) {
  auto session = NewSession();
  session->AddLines(FullText());
  session->Draw(u"0");
  for (auto _ : state) benchmark::DoNotOptimize(session->ExportText());
}

// The draw of every entry done literally: pick, append, erase from the
// middle, so each pick shifts the entries behind it.
void BM_LiteralDrawAll(benchmark::State& state) {
  std::vector<std::u16string> lines;
  const std::u16string& text = FullText();
  for (size_t start = 0;;) {
    size_t cut = text.find(u"\r\n", start);
    lines.push_back(text.substr(start, cut - start));
    if (cut == std::u16string::npos) break;
    start = cut + 2;
  }
  ClockRandomSource random(2024, [] { return uint64_t{1000}; });
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::u16string> source = lines;
    std::vector<std::u16string> output;
    state.ResumeTiming();
    random.Reseed();
    while (!source.empty()) {
      const double m = static_cast<double>(source.size());
      const auto i = static_cast<size_t>(std::floor(m * double(random.Next())));
      output.push_back(std::move(source[i]));
      source.erase(source.begin() + static_cast<std::ptrdiff_t>(i));
    }
    benchmark::DoNotOptimize(output.data());
  }
}

BENCHMARK(BM_AddLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawHalf)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExportText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiteralDrawAll)->Unit(benchmark::kMicrosecond);

#if defined(__GLIBC__)
// Bytes the heap has handed out and not taken back, mapped blocks included.
long HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<long>(info.uordblks + info.hblkhd);
}

// The lists' memory at the limit after each operation that changes it,
// against 1.25 times the UTF-16 size of the entries: what stands beyond
// that is printed as the fixed amount.
void PrintListMemory() {
  const long text_bytes =
      static_cast<long>(kMaxEntries * kNameLength * sizeof(char16_t));
  const std::u16string& text = FullText();  // built before the count starts
  auto session = NewSession();
  const long base = HeapInUse();
  const auto print = [&](const char* after) {
    const long used = HeapInUse() - base;
    std::printf("  after %-10s %8ld bytes = 1.25 x text %+ld\n", after, used,
                used - text_bytes * 5 / 4);
  };
  std::printf(
      "Memory of the lists, %d entries of %zu UTF-16 units (text: %ld "
      "bytes):\n",
      kMaxEntries, kNameLength, text_bytes);
  session->AddLines(text);
  print("AddLines");
  session->Draw(u"16383");
  print("draw half");
  session->Draw(u"0");
  print("draw all");
  session->ClearLists();
  std::printf("  after ClearLists %8ld bytes\n", HeapInUse() - base);
}
#else
void PrintListMemory() {}
#endif

// Keeps the time of each benchmark so the ratio can be printed at the end.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // A single run, or the mean when runs are repeated.
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean") {
        times_[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Literal over fast time, or 0 when either did not run.
  double Ratio() const {
    auto fast = times_.find("BM_DrawAll");
    auto literal = times_.find("BM_LiteralDrawAll");
    if (fast == times_.end() || literal == times_.end()) return 0;
    return literal->second / fast->second;
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace lotwheel

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  lotwheel::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (double ratio = reporter.Ratio(); ratio > 0) {
    std::printf("Draw(\"0\") at %d entries: literal / fast = %.0fx\n",
                lotwheel::kMaxEntries, ratio);
  }
  lotwheel::PrintListMemory();
  benchmark::Shutdown();
  return 0;
}
