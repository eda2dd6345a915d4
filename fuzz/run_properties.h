// What must hold after any run, whatever the command line and whatever the
// platform answered.
#pragma once

#include <string>
#include <vector>

#include "platform/memory/memory_platform.h"

namespace vantiro::fuzz {

// What the checks need to know besides the platform's record of the run.
struct RunFacts {
  std::vector<std::string> arguments;  // the start-up code's vector
  std::string programCommandLine;      // as the run cuts it from the raw line
  std::vector<memory::Adapter> adaptersBefore;
  int status = 0;
};

// One line for each broken rule, empty when the run kept them all:
// - the status is 0 to 7, and the one that a refused change, a failed start
//   or a completed change calls for;
// - -quiet shows nothing;
// - a change carries exactly the flags its case asks for, so the registry is
//   written only without a program command line and without -test, and
//   under -test every call only tests;
// - every mode handed over has dmSize 156 and dmFields 0x005C0000;
// - nothing follows a refused change but its notice;
// - one change at most; a real change with a program command line is undone
//   on the same device, whether or not the program started, and nothing else
//   is ever undone;
// - every started program is waited for, every handle and context released;
// - every adapter ends untouched or in the mode stored for it.
std::vector<std::string> RunViolations(const RunFacts& facts, const memory::MemoryPlatform& after);

}  // namespace vantiro::fuzz
