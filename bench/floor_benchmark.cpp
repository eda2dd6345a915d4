// The floor that our own work is measured against: the enumerated records
// copied out, sorted by the four mode fields and de-duplicated with the
// standard library alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "bench/enumerated_modes.h"
#include "bench/mode_counts.h"
#include "platform/memory/memory_platform.h"

namespace vantiro::bench {
namespace {

// Function objects rather than function pointers, so that the comparisons
// inline into the sort as the best hand-written code would have them.
struct FourFieldsLess {
  bool operator()(const DEVMODEA& a, const DEVMODEA& b) const {
    return std::tie(a.dmPelsWidth, a.dmPelsHeight, a.dmBitsPerPel, a.dmDisplayFrequency) <
           std::tie(b.dmPelsWidth, b.dmPelsHeight, b.dmBitsPerPel, b.dmDisplayFrequency);
  }
};

struct FourFieldsEqual {
  bool operator()(const DEVMODEA& a, const DEVMODEA& b) const {
    return a.dmPelsWidth == b.dmPelsWidth && a.dmPelsHeight == b.dmPelsHeight &&
           a.dmBitsPerPel == b.dmBitsPerPel && a.dmDisplayFrequency == b.dmDisplayFrequency;
  }
};

void SortAndDeduplicateFloor(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  SeedMemoryPlatform(EnumeratedModes(count));
  const std::vector<DEVMODEA>& seeded = memory::TheMemoryPlatform().adapters.front().modes;

  for (auto _ : state) {
    std::vector<DEVMODEA> modes(seeded);
    std::sort(modes.begin(), modes.end(), FourFieldsLess{});
    modes.erase(std::unique(modes.begin(), modes.end(), FourFieldsEqual{}), modes.end());
    if (modes.size() != count / 2) {
      state.SkipWithError("the floor kept a different number of modes than were seeded");
      break;
    }
    benchmark::DoNotOptimize(modes.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(SortAndDeduplicateFloor)->Apply(AtEveryModeCount)->Complexity(benchmark::oNLogN);

}  // namespace vantiro::bench
