// The enumeration cost that every catalogue must keep: one platform call per
// enumerated mode, plus the one that finds the end of the list.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace vantiro::bench {

class EnumerationCallCheck {
 public:
  // Counts EnumDisplaySettingsA calls on the in-memory platform from now on,
  // for a device that enumerates `enumerated` records.
  EnumerationCallCheck(benchmark::State& state, std::size_t enumerated);

  // True when the calls since the last check (or since construction) number
  // exactly enumerated + 1; otherwise fails the benchmark with both numbers.
  bool CheckIteration();

  // Sets the counter "enum_calls" to the calls per iteration.
  void Report();

 private:
  benchmark::State& state_;
  std::size_t expected_;
  std::size_t start_;
  std::size_t checked_;
};

}  // namespace vantiro::bench
