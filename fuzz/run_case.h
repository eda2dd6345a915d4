// What the whole-run fuzz target decodes from one input: the platform's
// answers (desktop, change and start results, lead bytes) and the process's
// argument vector and raw command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/desktop_input.h"

namespace vantiro::fuzz {

inline constexpr std::size_t kMaxChangeResults = 3;
inline constexpr std::size_t kMaxStartResults = 2;
inline constexpr std::size_t kMaxSwitches = 8;
inline constexpr std::size_t kMaxSeparateArguments = 8;
inline constexpr std::size_t kMaxArgumentLength = 96;
// A built program command line repeats one piece up to this many times, so
// that lines far longer than any fixed buffer come up often.
inline constexpr std::size_t kMaxProgramRepeats = 1000;

struct RunCase {
  bool displayServicesAvailable = true;
  bool createDcFails = false;
  LeadByteTable leadBytes{};
  std::vector<memory::Adapter> adapters;
  std::vector<LONG> changeResults;
  std::vector<memory::StartResult> startResults;
  // The start-up code's argument vector and the raw command line. Most
  // inputs derive the vector from the line as the C runtime splits it; some
  // give both, to reach a vector and a line that disagree.
  std::vector<std::string> arguments;
  std::string commandLine;
};

RunCase ReadRunCase(const std::uint8_t* data, std::size_t size);
// Writes the vector as the split of the line when it is, else separately.
std::vector<std::uint8_t> WriteRunCase(const RunCase& runCase);

// Seeds TheMemoryPlatform() with the case, from a fresh platform.
void InstallRunCase(const RunCase& runCase);

}  // namespace vantiro::fuzz
