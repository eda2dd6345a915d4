// The last stage of a run: the mode change, the program, and the restore.
#pragma once

#include "app/exit_status.h"
#include "cmdline/run_options.h"
#include "platform/records.h"

namespace vantiro {

// Changes the selected device to `target` (only tests it under -test). After
// a real change: the broadcast; without a program the mode stays, stored in
// the registry; with one, the program runs to its end and the device returns
// to its stored mode, also when the program could not be started.
ExitStatus SwitchModeAndRun(const DEVMODEA& target, const RunOptions& options);

}  // namespace vantiro
