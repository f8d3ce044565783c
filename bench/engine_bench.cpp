// Placeholder, filled in with the engine.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
