#pragma once

#include <string>

#include "platform/records.h"

namespace vantiro {

// What -test shows: the chosen mode's values and the program command line, or
// "(none)". Sized to its content, so a command line of any length shows whole.
std::string FormatTestNotice(const DEVMODEA& target, const std::string& programCommandLine);

}  // namespace vantiro
