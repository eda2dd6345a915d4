// What the command line asks for: the parsed switches and the program to start.
#pragma once

#include <cstdint>
#include <string>

namespace vantiro {

// A requested width, height, depth or refresh of 0 means "not given, keep the
// current value"; kMaxValue means "max". Once the run driver has completed the
// request, 0 is an ordinary number.
constexpr std::uint32_t kMaxValue = 0xFFFFFFFF;

struct RunOptions {
  bool listMonitors = false;
  bool listModes = false;
  bool test = false;
  bool force = false;
  bool quiet = false;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t depth = 0;
  std::uint32_t refresh = 0;
  // The display device to act on, in the platform's form ("\\\\.\\DISPLAY2");
  // empty means the primary display.
  std::string deviceName;
  // The program to start, exactly as it stood in the raw command line; empty
  // means no program.
  std::string programCommandLine;
};

}  // namespace vantiro
