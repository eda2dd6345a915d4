#include "fuzz/run_case.h"

#include <array>
#include <string_view>

#include "platform/command_line_rules.h"

namespace vantiro::fuzz {

namespace {

enum OptionBits : std::uint8_t { kServicesUnavailable = 1, kCreateDcFails = 2 };

enum ArgumentsForm : std::uint8_t { kSplitFromLine, kBuiltFromSwitches, kGivenSeparately };

constexpr std::array<LONG, 8> kChangeResults{
    DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_RESTART,  DISP_CHANGE_FAILED,   DISP_CHANGE_BADMODE,
    DISP_CHANGE_NOTUPDATED, DISP_CHANGE_BADFLAGS, DISP_CHANGE_BADPARAM, DISP_CHANGE_BADDUALVIEW};
// A choice past the table reads any number as the result.
constexpr std::size_t kAnyChangeResult = kChangeResults.size();

constexpr std::array<std::string_view, 3> kOwnNames{
    "Vantiro.exe", "C:\\Program Files\\Vantiro\\Vantiro.exe", "vantiro"};
constexpr std::array<std::string_view, 4> kSwitchLeads{"-", "/", "--", ""};
constexpr std::array<std::string_view, 11> kKeywords{
    "listmonitors", "monitor", "listmodes", "width", "height", "depth",
    "refresh",      "test",    "force",     "quiet", "help"};

enum SwitchValue : std::uint8_t {
  kNoValue,
  kNumber,
  kMax,
  kAnyText,
  kTextAfterKeyword,
  kMonitorDescription,
  kSwitchValueCount
};

std::string CutAtNul(const std::string& text) { return text.substr(0, text.find('\0')); }

LONG ReadChangeResult(FuzzInput& input) {
  const std::size_t choice = input.Choice(kChangeResults.size() + 1);
  if (choice == kAnyChangeResult) return static_cast<LONG>(input.Number());
  return kChangeResults[choice];
}

void WriteChangeResult(LONG result, FuzzInputWriter& output) {
  for (std::size_t choice = 0; choice < kChangeResults.size(); ++choice) {
    if (kChangeResults[choice] == result) {
      output.Choice(choice);
      return;
    }
  }
  output.Choice(kAnyChangeResult);
  output.Number(static_cast<std::uint32_t>(result));
}

memory::StartResult ReadStartResult(FuzzInput& input) {
  memory::StartResult result;
  result.started = (input.Byte() & 1) == 0;
  if (!result.started) result.error = input.Number();
  return result;
}

void WriteStartResult(const memory::StartResult& result, FuzzInputWriter& output) {
  output.Byte(result.started ? 0 : 1);
  if (!result.started) output.Number(result.error);
}

// A description that the desktop's first monitors carry, so that a lookup
// by description succeeds often.
std::string SomeMonitorDescription(FuzzInput& input, const std::vector<memory::Adapter>& adapters) {
  const std::size_t choice = input.Byte();
  if (adapters.empty()) return std::string();
  const memory::Adapter& adapter = adapters[choice % adapters.size()];
  return adapter.monitors.empty() ? std::string() : adapter.monitors.front();
}

std::string ReadSwitch(FuzzInput& input, const std::vector<memory::Adapter>& adapters) {
  std::string argument(kSwitchLeads[input.Choice(kSwitchLeads.size())]);
  const std::size_t keyword = input.Choice(kKeywords.size() + 1);
  argument +=
      keyword < kKeywords.size() ? std::string(kKeywords[keyword]) : input.Text(kMaxArgumentLength);
  switch (input.Choice(kSwitchValueCount)) {
    case kNoValue: break;
    case kNumber: argument += "=" + std::to_string(input.Number()); break;
    case kMax: argument += "=max"; break;
    case kAnyText: argument += "=" + input.Text(kMaxArgumentLength); break;
    case kTextAfterKeyword: argument += input.Text(kMaxArgumentLength); break;
    default: argument += "=" + SomeMonitorDescription(input, adapters); break;
  }
  return argument;
}

// A raw command line as a user or a script writes one: the program's own
// name, switches, then perhaps a program command line.
std::string BuildCommandLine(FuzzInput& input, const std::vector<memory::Adapter>& adapters) {
  std::vector<std::string> arguments;
  const std::size_t ownName = input.Choice(kOwnNames.size() + 1);
  arguments.push_back(ownName < kOwnNames.size() ? std::string(kOwnNames[ownName])
                                                 : input.Text(kMaxArgumentLength));
  const std::size_t switches = input.Choice(kMaxSwitches + 1);
  for (std::size_t index = 0; index < switches; ++index) {
    arguments.push_back(ReadSwitch(input, adapters));
  }
  std::string commandLine = platform::QuoteArguments(arguments);
  const std::string programPiece = input.Text(kMaxArgumentLength);
  const std::size_t repeats = input.Number() % (kMaxProgramRepeats + 1);
  if (!programPiece.empty() && repeats > 0) {
    commandLine += ' ';
    for (std::size_t count = 0; count < repeats; ++count) commandLine += programPiece;
  }
  return CutAtNul(commandLine);
}

}  // namespace

RunCase ReadRunCase(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  RunCase runCase;
  const std::uint8_t options = input.Byte();
  runCase.displayServicesAvailable = (options & kServicesUnavailable) == 0;
  runCase.createDcFails = (options & kCreateDcFails) != 0;
  runCase.leadBytes = ReadLeadBytes(input);
  runCase.adapters = ReadAdapters(input);
  runCase.changeResults.resize(input.Choice(kMaxChangeResults + 1));
  for (LONG& result : runCase.changeResults) result = ReadChangeResult(input);
  runCase.startResults.resize(input.Choice(kMaxStartResults + 1));
  for (memory::StartResult& result : runCase.startResults) result = ReadStartResult(input);

  switch (input.Choice(3)) {
    case kSplitFromLine:
      runCase.commandLine = CutAtNul(input.Rest());
      runCase.arguments = platform::SplitCommandLine(runCase.commandLine);
      break;
    case kBuiltFromSwitches:
      runCase.commandLine = BuildCommandLine(input, runCase.adapters);
      runCase.arguments = platform::SplitCommandLine(runCase.commandLine);
      break;
    default:
      runCase.arguments.resize(input.Choice(kMaxSeparateArguments + 1));
      for (std::string& argument : runCase.arguments) {
        argument = CutAtNul(input.Text(kMaxArgumentLength));
      }
      runCase.commandLine = CutAtNul(input.Rest());
      break;
  }
  return runCase;
}

std::vector<std::uint8_t> WriteRunCase(const RunCase& runCase) {
  FuzzInputWriter output;
  std::uint8_t options = 0;
  if (!runCase.displayServicesAvailable) options |= kServicesUnavailable;
  if (runCase.createDcFails) options |= kCreateDcFails;
  output.Byte(options);
  WriteLeadBytes(runCase.leadBytes, output);
  WriteAdapters(runCase.adapters, output);
  output.Choice(runCase.changeResults.size());
  for (const LONG result : runCase.changeResults) WriteChangeResult(result, output);
  output.Choice(runCase.startResults.size());
  for (const memory::StartResult& result : runCase.startResults) {
    WriteStartResult(result, output);
  }
  if (runCase.arguments == platform::SplitCommandLine(runCase.commandLine)) {
    output.Choice(kSplitFromLine);
  } else {
    output.Choice(kGivenSeparately);
    output.Choice(runCase.arguments.size());
    for (const std::string& argument : runCase.arguments) output.Text(argument);
  }
  output.Rest(runCase.commandLine);
  return output.Data();
}

void InstallRunCase(const RunCase& runCase) {
  memory::MemoryPlatform& platform = memory::TheMemoryPlatform();
  platform = memory::MemoryPlatform{};
  platform.displayServicesAvailable = runCase.displayServicesAvailable;
  platform.createDcFails = runCase.createDcFails;
  platform.leadBytes = runCase.leadBytes;
  platform.adapters = runCase.adapters;
  platform.changeResults.assign(runCase.changeResults.begin(), runCase.changeResults.end());
  platform.startResults.assign(runCase.startResults.begin(), runCase.startResults.end());
  platform.arguments = runCase.arguments;
  platform.commandLine = runCase.commandLine;
}

}  // namespace vantiro::fuzz
