// The -listmonitors report.
#pragma once

#include <string>

#include "cmdline/run_options.h"

namespace vantiro {

// One CR LF-terminated line per adapter attached to the desktop, in
// enumeration order: its device name, its first monitor's description, the
// current size, depth and rate, and " primary" for the primary device.
std::string MonitorReport();

// Shows MonitorReport() through ShowNotice.
void ListMonitors(const RunOptions& options);

}  // namespace vantiro
