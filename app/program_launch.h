#pragma once

#include <string>

#include "app/exit_status.h"
#include "cmdline/run_options.h"

namespace vantiro {

// Starts `options.programCommandLine` with this process's environment and
// directory and waits for it without a time limit. Success once it has ended,
// whatever its own status; when it cannot be started, the not-found or
// start-failed notice and status.
ExitStatus StartProgramAndWait(const RunOptions& options);

}  // namespace vantiro
