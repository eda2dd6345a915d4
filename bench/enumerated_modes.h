// The mode lists that the benchmarks enumerate: as a device with many modes
// reports them, every mode twice (with different display flags) and in an
// order that no sort finds ready-made.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/records.h"

namespace vantiro::bench {

// `count` records (rounded down to an even number): count / 2 distinct modes,
// each enumerated twice with different dmDisplayFlags, shuffled by a fixed
// seed so that every run and every build sees the same order. Resolutions
// range from 640 x 600 upwards, with 4 depths and 8 rates each, so that some
// fall below the mode report's 800 x 600 floor at every size.
std::vector<DEVMODEA> EnumeratedModes(std::size_t count);

// Makes `modes` the only adapter's mode list on a fresh in-memory platform
// that counts its calls without logging them.
void SeedMemoryPlatform(const std::vector<DEVMODEA>& modes);

}  // namespace vantiro::bench
