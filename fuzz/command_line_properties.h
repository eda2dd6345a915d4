// What must hold after the command line has been split, parsed and cut,
// whatever its bytes and whatever the code page.
#pragma once

#include <string>
#include <vector>

#include "cmdline/run_options.h"
#include "fuzz/desktop_input.h"

namespace vantiro::fuzz {

struct CommandLineFacts {
  std::string commandLine;             // the raw line
  std::vector<std::string> arguments;  // its split
  LeadByteTable leadBytes{};
  std::vector<memory::Adapter> adapters;
  RunOptions options;              // as the parser left them
  std::string programCommandLine;  // as the run cuts it
};

// One line for each broken rule, empty when all held:
// - quoting the arguments again gives a line that splits into the same ones;
// - every flag, value and device was asked for by a leading switch;
// - a device is one given with the device prefix, or the name of an attached
//   adapter as the platform reports it;
// - the program command line is the raw line's tail, and does not start
//   with a space or a switch character.
std::vector<std::string> CommandLineViolations(const CommandLineFacts& facts);

}  // namespace vantiro::fuzz
