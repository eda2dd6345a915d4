// The -listmodes report.
#pragma once

#include <string>

#include "cmdline/run_options.h"

namespace vantiro {

// The note, an empty line, the header, then one line per width, height and
// depth at or above the 800 x 600 x 4 x 60 floor, with its rates ascending.
std::string ModeReport(const char* device);

// Shows ModeReport(device) through ShowNotice.
void ListModes(const char* device, const RunOptions& options);

}  // namespace vantiro
