// Fills the values a request leaves out from the device's current mode.
#pragma once

#include "cmdline/run_options.h"

namespace vantiro {

// The device's mode as its device context reports it.
struct CurrentMode {
  int width = 0;
  int height = 0;
  int depth = 0;
  int refresh = 0;  // 0 or 1: the hardware's default rate
};

// Reads the current mode of `deviceName` (empty for the primary display).
CurrentMode ReadCurrentMode(const std::string& deviceName);

// Width, height and depth of 0 become the current ones. A current rate of 0
// or 1 drops any requested rate, "max" included, since no mode can be matched
// against a default rate; otherwise a refresh of 0 becomes the current rate.
void CompleteRequest(RunOptions& options, const CurrentMode& current);

}  // namespace vantiro
