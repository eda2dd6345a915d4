// The one pass of the program from its arguments to its exit status.
#pragma once

#include "app/exit_status.h"

namespace vantiro {

// `arguments` is the start-up code's argument vector (argument 0 is the
// program's own name); the raw command line comes from the platform.
ExitStatus RunVantiro(int argumentCount, const char* const* arguments);

}  // namespace vantiro
