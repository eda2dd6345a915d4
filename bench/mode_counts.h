// The list sizes that every benchmark runs at: the number of records that the
// platform enumerates, duplicates included.
#pragma once

#include <benchmark/benchmark.h>

namespace vantiro::bench {

inline void AtEveryModeCount(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(100)->Arg(10'000)->Arg(1'000'000);
  // CPU time: the build machine is shared, and other processes' load would
  // only add noise to wall time.
  benchmark->Unit(benchmark::kMicrosecond);
}

// The name of the baseline family that the reporter divides every other
// family by.
inline constexpr char kFloorFamily[] = "SortAndDeduplicateFloor";

}  // namespace vantiro::bench
