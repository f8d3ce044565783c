// Placeholder, filled in with the main window.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
