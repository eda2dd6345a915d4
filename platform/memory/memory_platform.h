// The in-memory platform: a scriptable stand-in for the display, message and
// process services, for unit tests, fuzzers and benchmarks.
//
// A test seeds the plain fields of TheMemoryPlatform(), runs the code under
// test, then reads `calls`, the log of every platform call in order with its
// arguments. Failures are asked for through the same fields: a failing
// CreateDCA, a mode change result, a program start error.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/records.h"

namespace vantiro::memory {

// What a device context reports: the values GetDeviceCaps returns.
struct DeviceCaps {
  int width = 0;         // HORZRES
  int height = 0;        // VERTRES
  int bitsPerPixel = 0;  // BITSPIXEL
  int refresh = 0;       // VREFRESH
};

struct Adapter {
  std::string deviceName;  // as "\\\\.\\DISPLAY1"
  DWORD stateFlags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
  std::vector<std::string> monitors;  // descriptions, first monitor first
  std::vector<DEVMODEA> modes;        // whole records, in enumeration order
  DeviceCaps current;                 // the mode in force now
  DeviceCaps registry;                // the mode stored in the registry
};

// How one CreateProcessA call ends.
struct StartResult {
  bool started = true;
  DWORD error = ERROR_SUCCESS;  // what GetLastError then gives
};

enum class Operation {
  OpenDisplayServices,
  EnumDisplayDevices,
  EnumDisplaySettings,
  ChangeDisplaySettings,
  CreateDC,
  GetDeviceCaps,
  DeleteDC,
  SendMessage,
  MessageBox,
  GetCommandLine,
  CreateProcess,
  WaitForSingleObject,
  CloseHandle,
  GetLastError,
  IsDBCSLeadByte,
};
constexpr std::size_t kOperationCount = static_cast<std::size_t>(Operation::IsDBCSLeadByte) + 1;

const char* OperationName(Operation operation);

// One platform call. Only the members that the operation has are meaningful.
struct PlatformCall {
  explicit PlatformCall(Operation called) : operation(called) {}

  Operation operation;
  std::optional<std::string> device;  // device-name argument; nullopt for null
  DWORD index = 0;                    // enumeration index, capability index, message, timeout
  DWORD flags = 0;                    // change flags, box style, creation flags
  std::optional<DEVMODEA> mode;       // the mode changed to; nullopt for null (restore)
  std::string text;                   // box text; the process command line; CreateDCA's driver
  std::string caption;                // box caption
  bool nullWindow = true;             // window/owner argument was null
  bool nullParameter = true;          // ChangeDisplaySettingsExA's last argument was null
  std::uintptr_t handle = 0;          // window, context or process handle passed
  std::intptr_t result = 0;           // what the call returned
  std::string detail;                 // CreateProcessA: the other arguments, summarised
};

// Renders a call for failure messages and for compact sequence assertions,
// for example "ChangeDisplaySettingsExA(null, 800x600x32@60, flags=0)".
std::string Describe(const PlatformCall& call);

class MemoryPlatform {
 public:
  // --- seeds ---
  std::vector<Adapter> adapters;
  // OpenDisplayServices answers this.
  bool displayServicesAvailable = true;
  // CreateDCA fails (returns null) when this is set.
  bool createDcFails = false;
  // Results of successive ChangeDisplaySettingsExA calls that carry a mode;
  // DISP_CHANGE_SUCCESSFUL once the queue is empty. Restores (a null mode)
  // always succeed.
  std::deque<LONG> changeResults;
  // Results of successive CreateProcessA calls; a start succeeds once empty.
  std::deque<StartResult> startResults;
  std::string commandLine;             // what GetCommandLineA returns
  std::vector<std::string> arguments;  // the start-up code's argument vector
  std::array<bool, 256> leadBytes{};   // IsDBCSLeadByte, all false at start
  // Benchmarks turn the log off; the per-operation counts are always kept.
  bool keepLog = true;

  // --- record of what happened ---
  std::vector<PlatformCall> calls;
  std::array<std::size_t, kOperationCount> callCounts{};
  DWORD lastError = ERROR_SUCCESS;
  // The primary display's mode as each started program saw it, in start order.
  std::vector<DeviceCaps> modesSeenByPrograms;

  // The adapter that a device argument names: null and "" name the primary
  // one (flagged primary, else the first). Null when no adapter has the name.
  Adapter* FindAdapter(const char* device);
  // The calls that change the display or reach the user, in order: mode
  // changes, broadcasts, program starts, waits and message boxes.
  std::vector<PlatformCall> Effects() const;
  // Describe() of every effect, for sequence assertions.
  std::vector<std::string> DescribeEffects() const;
  std::size_t Count(Operation operation) const {
    return callCounts[static_cast<std::size_t>(operation)];
  }
  // The message boxes shown, in order.
  std::vector<PlatformCall> MessageBoxes() const;

  // Counts the call, and logs it when keepLog is set.
  void Record(PlatformCall call);
  void CountCall(Operation operation);
};

// The one instance that the backend functions act on. Tests reset it with
// `TheMemoryPlatform() = MemoryPlatform{}`.
MemoryPlatform& TheMemoryPlatform();

// Helpers to seed records.
DEVMODEA MakeDevMode(DWORD width, DWORD height, DWORD depth, DWORD refresh);
Adapter MakeAdapter(std::string deviceName, DWORD stateFlags, std::vector<std::string> monitors,
                    DeviceCaps current);

// An argument vector as the start-up code hands it over: owns its strings and
// offers the argc/argv pair.
class ArgumentVector {
 public:
  explicit ArgumentVector(std::vector<std::string> arguments);
  int Count() const { return static_cast<int>(storage_.size()); }
  char** Vector() { return pointers_.data(); }

 private:
  std::vector<std::string> storage_;
  std::vector<char*> pointers_;  // storage_'s texts, then a null terminator
};

}  // namespace vantiro::memory
