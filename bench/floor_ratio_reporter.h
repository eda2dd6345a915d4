// The console output of the benchmarks, followed by what the numbers mean:
// each family's median CPU time as a multiple of the sort-and-de-duplicate
// floor at the same mode count, and how each family grows against N log N.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vantiro::bench {

class FloorRatioReporter : public benchmark::ConsoleReporter {
 public:
  FloorRatioReporter();

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  void PrintRatiosToFloor(std::ostream& out) const;
  void PrintGrowth(std::ostream& out) const;

  using TimesByCount = std::map<std::int64_t, std::vector<double>>;
  // CPU time per iteration, by family, then mode count: of every repetition,
  // or the median aggregate alone when only aggregates are reported.
  std::map<std::string, TimesByCount> times_;
  std::map<std::string, TimesByCount> medians_;
};

}  // namespace vantiro::bench
