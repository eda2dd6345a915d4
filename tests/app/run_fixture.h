// A desktop of two displays over the in-memory platform, and a way to run the
// whole program on it from an argument vector and a raw command line.
#pragma once

#include <string>
#include <vector>

#include "app/exit_status.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro {

class RunTest : public MemoryPlatformTest {
 protected:
  static constexpr const char* kPrimary = "\\\\.\\DISPLAY1";
  static constexpr const char* kSecondary = "\\\\.\\DISPLAY2";

  void SetUp() override;

  // Runs with `arguments` as the start-up code's vector and `rawCommandLine`
  // as the platform's command line.
  ExitStatus Run(const std::vector<std::string>& arguments, const std::string& rawCommandLine);
  // Runs a command line without quotes, split at its spaces.
  ExitStatus Run(const std::string& rawCommandLine);

  memory::Adapter& Primary() { return platform.adapters[0]; }
  memory::Adapter& Secondary() { return platform.adapters[1]; }
  // The texts of the message boxes shown, in order.
  std::vector<std::string> NoticeTexts() const;
};

}  // namespace vantiro
