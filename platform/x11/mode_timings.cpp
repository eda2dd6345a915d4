#include "platform/x11/mode_timings.h"

namespace vantiro::x11 {

std::uint32_t RefreshRateHz(const ModeTimings& timings) {
  // In doubled lines, so that interlace halves and double scan doubles exactly.
  std::uint64_t doubledLines = 2ull * timings.vTotal;
  if (timings.doubleScan) doubledLines *= 2;
  if (timings.interlaced) doubledLines /= 2;
  const std::uint64_t doubledDotsPerFrame = doubledLines * timings.hTotal;
  if (timings.dotClock == 0 || doubledDotsPerFrame == 0) return 0;
  // dotClock / (doubledDotsPerFrame / 2), rounded half up.
  const std::uint64_t quadrupledClock = 4ull * timings.dotClock;
  return static_cast<std::uint32_t>((quadrupledClock + doubledDotsPerFrame) /
                                    (2ull * doubledDotsPerFrame));
}

}  // namespace vantiro::x11
