// What the command-line fuzz target decodes from one input: the code page's
// lead bytes, a desktop for the monitor lookup, and the raw command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/desktop_input.h"

namespace vantiro::fuzz {

struct CommandLineCase {
  LeadByteTable leadBytes{};
  std::vector<memory::Adapter> adapters;
  // The process's raw command line: a C string, so it ends at its first NUL.
  std::string commandLine;
};

CommandLineCase ReadCommandLineCase(const std::uint8_t* data, std::size_t size);
std::vector<std::uint8_t> WriteCommandLineCase(const CommandLineCase& commandLineCase);

}  // namespace vantiro::fuzz
