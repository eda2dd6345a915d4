// The -listmodes report text, built from its own catalogue.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/enumerated_modes.h"
#include "bench/enumeration_calls.h"
#include "bench/mode_counts.h"
#include "reports/mode_list.h"

namespace vantiro::bench {
namespace {

constexpr char kReportHead[] =
    "Resolutions below 800x600 are not displayed.\r\n\r\nWidth\tHeight\tDepth\tRate\r\n";

void ModeReport(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  SeedMemoryPlatform(EnumeratedModes(count));
  EnumerationCallCheck calls(state, count);

  std::size_t reportBytes = 0;
  for (auto _ : state) {
    const std::string report = vantiro::ModeReport(nullptr);
    if (!calls.CheckIteration()) break;
    // Every seeded list reaches past the 800 x 600 floor, so a report that
    // is only its head lost its modes.
    if (report.compare(0, sizeof kReportHead - 1, kReportHead) != 0 ||
        report.size() <= sizeof kReportHead - 1) {
      state.SkipWithError("the report lacks its head or its mode lines");
      break;
    }
    reportBytes = report.size();
    benchmark::DoNotOptimize(report.data());
    benchmark::ClobberMemory();
  }
  calls.Report();
  state.counters["report_bytes"] = static_cast<double>(reportBytes);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(ModeReport)->Apply(AtEveryModeCount)->Complexity(benchmark::oNLogN);

}  // namespace vantiro::bench
