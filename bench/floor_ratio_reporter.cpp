#include "bench/floor_ratio_reporter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "bench/mode_counts.h"

namespace vantiro::bench {

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double NLogN(std::int64_t count) {
  const auto n = static_cast<double>(count);
  return n * std::log2(n);
}

// Formats into a bounded buffer; the reporter only ever prints short cells.
template <typename... Values>
std::string Format(const char* format, Values... values) {
  char cell[64];
  std::snprintf(cell, sizeof cell, format, values...);
  return cell;
}

}  // namespace

FloorRatioReporter::FloorRatioReporter() : ConsoleReporter(OO_Tabular) {}

void FloorRatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type != Run::RT_Iteration && !median) continue;
    char* end = nullptr;
    const long long count = std::strtoll(run.run_name.args.c_str(), &end, 10);
    if (end == run.run_name.args.c_str() || count <= 1) continue;
    // In the run's own time unit, the same for every run; only ratios are
    // printed.
    auto& times = median ? medians_ : times_;
    times[run.run_name.function_name][count].push_back(run.GetAdjustedCPUTime());
  }
}

void FloorRatioReporter::PrintRatiosToFloor(std::ostream& out) const {
  const auto floor = times_.find(kFloorFamily);
  if (floor == times_.end()) return;
  out << "\nMedian CPU time as a multiple of " << kFloorFamily << " at the same mode count:\n";
  for (const auto& [family, byCount] : times_) {
    if (family == kFloorFamily) continue;
    out << Format("  %-24s", family.c_str());
    for (const auto& [count, times] : byCount) {
      const auto floorTimes = floor->second.find(count);
      if (floorTimes == floor->second.end()) continue;
      out << Format("  %lld: %.2f", static_cast<long long>(count),
                    Median(times) / Median(floorTimes->second));
    }
    out << '\n';
  }
}

void FloorRatioReporter::PrintGrowth(std::ostream& out) const {
  bool headed = false;
  for (const auto& [family, byCount] : times_) {
    if (byCount.size() < 2) continue;
    if (!headed) out << "\nGrowth from one mode count to the next, against N log N's growth:\n";
    headed = true;
    out << Format("  %-24s", family.c_str());
    for (auto next = std::next(byCount.begin()); next != byCount.end(); ++next) {
      const auto previous = std::prev(next);
      const double growth = Median(next->second) / Median(previous->second);
      out << Format("  %lld->%lld: x%.0f (N log N x%.0f)", static_cast<long long>(previous->first),
                    static_cast<long long>(next->first), growth,
                    NLogN(next->first) / NLogN(previous->first));
    }
    out << '\n';
  }
}

void FloorRatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  // Aggregates stand in for repetitions that were not reported one by one.
  for (auto& [family, byCount] : medians_) {
    for (auto& [count, median] : byCount) {
      std::vector<double>& times = times_[family][count];
      if (times.empty()) times = median;
    }
  }
  std::ostream& out = GetOutputStream();
  PrintRatiosToFloor(out);
  PrintGrowth(out);
}

}  // namespace vantiro::bench
