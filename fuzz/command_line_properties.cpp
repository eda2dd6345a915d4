#include "fuzz/command_line_properties.h"

#include <algorithm>

#include "fuzz/leading_switches.h"
#include "platform/command_line_rules.h"

namespace vantiro::fuzz {

namespace {

constexpr std::string_view kDevicePrefix = "\\\\.\\";
// DISPLAY_DEVICEA::DeviceName holds 31 bytes and the terminator.
constexpr std::size_t kDeviceNameCapacity = sizeof(DISPLAY_DEVICEA{}.DeviceName) - 1;

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// An adapter's name as the platform hands it over: cut to its field, and
// ending at a NUL.
std::string ReportedDeviceName(const std::string& name) {
  const std::string cut = name.substr(0, kDeviceNameCapacity);
  return cut.substr(0, cut.find('\0'));
}

bool IsAdapterName(const std::vector<memory::Adapter>& adapters, const std::string& device) {
  return std::any_of(adapters.begin(), adapters.end(), [&](const memory::Adapter& adapter) {
    return (adapter.stateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) != 0 &&
           ReportedDeviceName(adapter.deviceName) == device;
  });
}

bool IsGivenDevice(const std::vector<std::string>& arguments, const std::string& device) {
  if (device.compare(0, kDevicePrefix.size(), kDevicePrefix) != 0) return false;
  const std::vector<std::string> switches = LeadingSwitches(arguments);
  return std::any_of(switches.begin(), switches.end(),
                     [&](const std::string& text) { return EndsWith(text, device); });
}

void CheckAskedFor(const CommandLineFacts& facts, std::vector<std::string>& violations) {
  const RunOptions& options = facts.options;
  const struct {
    bool set;
    const char* keyword;
  } fields[] = {
      {options.listMonitors, "listmonitors"},
      {options.listModes, "listmodes"},
      {options.test, "test"},
      {options.force, "force"},
      {options.quiet, "quiet"},
      {options.width != 0, "width"},
      {options.height != 0, "height"},
      {options.depth != 0, "depth"},
      {options.refresh != 0, "refresh"},
      {!options.deviceName.empty(), "monitor"},
  };
  for (const auto& field : fields) {
    if (field.set && !HasSwitch(facts.arguments, field.keyword)) {
      violations.push_back(std::string("\"") + field.keyword + "\" took effect without its switch");
    }
  }
}

}  // namespace

std::vector<std::string> CommandLineViolations(const CommandLineFacts& facts) {
  std::vector<std::string> violations;
  if (!facts.arguments.empty()) {
    const std::string quoted = platform::QuoteArguments(facts.arguments);
    if (platform::SplitCommandLine(quoted) != facts.arguments) {
      violations.push_back("the quoted line \"" + quoted + "\" splits into other arguments");
    }
  }

  CheckAskedFor(facts, violations);
  const std::string& device = facts.options.deviceName;
  if (!device.empty() && !IsAdapterName(facts.adapters, device) &&
      !IsGivenDevice(facts.arguments, device)) {
    violations.push_back("device \"" + device + "\" is neither given nor an attached adapter");
  }

  const std::string& program = facts.programCommandLine;
  if (!EndsWith(facts.commandLine, program)) {
    violations.push_back("program command line \"" + program + "\" is not the line's tail");
  }
  if (!program.empty()) {
    const auto first = static_cast<unsigned char>(program[0]);
    if ((first == ' ' || first == '-' || first == '/') && !facts.leadBytes[first]) {
      violations.push_back("program command line \"" + program + "\" starts with a separator");
    }
  }
  return violations;
}

}  // namespace vantiro::fuzz
