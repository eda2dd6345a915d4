// The refresh rate of a mode from its timings.
#pragma once

#include <cstdint>

namespace vantiro::x11 {

struct ModeTimings {
  unsigned long dotClock = 0;  // hertz
  unsigned hTotal = 0;
  unsigned vTotal = 0;
  bool interlaced = false;  // a frame is two fields, so the field rate counts
  bool doubleScan = false;  // every line is sent twice
};

// Frames per second rounded to whole hertz; 0 when the timings are missing.
std::uint32_t RefreshRateHz(const ModeTimings& timings);

}  // namespace vantiro::x11
