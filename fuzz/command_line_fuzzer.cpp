// Fuzz target: arbitrary raw command-line bytes and lead-byte tables, split as
// the C runtime splits them, through the switch parser and the cut of the
// program command line.
#include <cstddef>
#include <cstdint>

#include "cmdline/monitor_lookup.h"
#include "cmdline/program_command_line.h"
#include "cmdline/switch_parser.h"
#include "fuzz/case_text.h"
#include "fuzz/command_line_case.h"
#include "fuzz/command_line_properties.h"
#include "fuzz/violations.h"
#include "platform/command_line_rules.h"
#include "platform/platform.h"

using namespace vantiro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::CommandLineCase commandLineCase = fuzz::ReadCommandLineCase(data, size);
  memory::MemoryPlatform& platform = memory::TheMemoryPlatform();
  platform = memory::MemoryPlatform{};
  platform.leadBytes = commandLineCase.leadBytes;
  platform.adapters = commandLineCase.adapters;
  platform.commandLine = commandLineCase.commandLine;

  fuzz::CommandLineFacts facts;
  facts.commandLine = commandLineCase.commandLine;
  facts.leadBytes = commandLineCase.leadBytes;
  facts.adapters = commandLineCase.adapters;
  facts.arguments = platform::SplitCommandLine(platform::GetCommandLineA());
  memory::ArgumentVector vector(facts.arguments);
  ParseArguments(vector.Count(), vector.Vector(), facts.options);
  if (vector.Count() > 0) {
    facts.programCommandLine =
        ExtractProgramCommandLine(platform::GetCommandLineA(), vector.Vector()[0]);
  }
  // The value readers on their own, for every argument, switch or not.
  for (int index = 1; index < vector.Count(); ++index) {
    ParseSwitchValue(vector.Vector()[index]);
    SwitchValueText(vector.Vector()[index]);
  }

  std::vector<std::string> violations = fuzz::CommandLineViolations(facts);
  if ((SelectedDeviceName(facts.options) == nullptr) != facts.options.deviceName.empty()) {
    violations.push_back("the selected device does not follow the device name");
  }
  fuzz::StopOnViolations(violations, fuzz::DescribeCommandLineCase(commandLineCase));
  return 0;
}
