// Runs every benchmark with the usual flags (--benchmark_filter,
// --benchmark_out=FILE --benchmark_out_format=json, ...) and ends the console
// output with the ratios to the floor.
#include <benchmark/benchmark.h>

#include "bench/floor_ratio_reporter.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  vantiro::bench::FloorRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
