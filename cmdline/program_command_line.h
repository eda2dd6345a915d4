// Cuts the command line of the program to start out of the raw process
// command line, keeping the user's quotes and spacing.
#pragma once

#include <string>

namespace vantiro {

// `commandLine` is the raw process command line; `argument0` the program's own
// name as the start-up code split it. Returns what follows the name and the
// switches, unchanged to the end, or empty when there is no program.
std::string ExtractProgramCommandLine(const char* commandLine, const char* argument0);

}  // namespace vantiro
