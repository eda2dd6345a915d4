// Maps a monitor description to the device name of the adapter that drives it.
#pragma once

#include <string>

#include "cmdline/run_options.h"

namespace vantiro {

// The device name of the first adapter attached to the desktop whose first
// monitor has exactly `description` (case-sensitive), or empty.
std::string FindMonitorDevice(const std::string& description);

// The device argument of the display calls: the text of `deviceName`, or null
// (the primary display) when it is empty. Valid while `options` is unchanged.
const char* SelectedDeviceName(const RunOptions& options);

}  // namespace vantiro
