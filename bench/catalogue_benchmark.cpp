// The catalogue (enumeration, sort, de-duplication) and the selection with
// "max" fields on top of it, as a run that changes the mode does them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

#include "bench/enumerated_modes.h"
#include "bench/enumeration_calls.h"
#include "bench/mode_counts.h"
#include "modes/display_mode.h"
#include "modes/mode_catalogue.h"
#include "modes/mode_selection.h"
#include "platform/memory/memory_platform.h"

namespace vantiro::bench {
namespace {

constexpr std::uint32_t kRequestedDepth = 32;

// What the selection below must choose, found the plain way: of the modes at
// the requested depth, the widest, then the tallest, then the fastest.
DEVMODEA ExpectedChoice(const std::vector<DEVMODEA>& modes) {
  DEVMODEA best{};
  const auto key = [](const DEVMODEA& mode) {
    return std::make_tuple(mode.dmPelsWidth, mode.dmPelsHeight, mode.dmDisplayFrequency);
  };
  for (const DEVMODEA& mode : modes) {
    if (mode.dmBitsPerPel == kRequestedDepth && key(best) < key(mode)) best = mode;
  }
  return best;
}

void Catalogue(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  SeedMemoryPlatform(EnumeratedModes(count));
  EnumerationCallCheck calls(state, count);

  for (auto _ : state) {
    DisplayModeList catalogue;
    EnumerateModes(catalogue, nullptr);
    if (!calls.CheckIteration()) break;
    if (catalogue.size() != count / 2) {
      state.SkipWithError("the catalogue kept a different number of modes than were seeded");
      break;
    }
    benchmark::DoNotOptimize(catalogue.data());
    benchmark::ClobberMemory();
  }
  calls.Report();
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}

// Width, height and refresh "max", depth 32: the filter, and three of the
// four largest-value steps.
void CatalogueAndSelection(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  SeedMemoryPlatform(EnumeratedModes(count));
  const DEVMODEA expected = ExpectedChoice(memory::TheMemoryPlatform().adapters.front().modes);
  EnumerationCallCheck calls(state, count);

  for (auto _ : state) {
    DisplayModeList catalogue;
    EnumerateModes(catalogue, nullptr);
    if (!calls.CheckIteration()) break;
    const std::optional<DisplayMode> chosen =
        SelectTargetMode(catalogue, kAnyValue, kAnyValue, kRequestedDepth, kAnyValue, false);
    if (!chosen || catalogue.size() != 1 || chosen->width != expected.dmPelsWidth ||
        chosen->height != expected.dmPelsHeight || chosen->depth != kRequestedDepth ||
        chosen->refresh != expected.dmDisplayFrequency) {
      state.SkipWithError("the selection did not leave the widest, tallest, fastest 32-bit mode");
      break;
    }
    benchmark::DoNotOptimize(chosen->width);
    benchmark::ClobberMemory();
  }
  calls.Report();
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(Catalogue)->Apply(AtEveryModeCount)->Complexity(benchmark::oNLogN);
BENCHMARK(CatalogueAndSelection)->Apply(AtEveryModeCount)->Complexity(benchmark::oNLogN);

}  // namespace vantiro::bench
