#pragma once

namespace vantiro {

// The process exit status; scripts rely on these numbers.
enum class ExitStatus : int {
  Success = 0,
  UsageShown = 1,
  ModeNotSupported = 2,
  RegistryNotUpdated = 3,
  RestartRequired = 4,
  ChangeFailed = 5,
  ProgramNotFound = 6,
  ProgramStartFailed = 7,
};

}  // namespace vantiro
