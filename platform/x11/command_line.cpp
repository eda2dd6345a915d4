// The raw command line, rebuilt from the argument vector that Linux hands
// over, and the code page's lead bytes.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/command_line_rules.h"
#include "platform/platform.h"

namespace vantiro::platform {

namespace {

// The kernel's copy of the arguments: each one ended by a zero byte.
std::vector<std::string> ProcessArguments() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::vector<std::string> arguments;
  std::string::size_type start = 0;
  while (start < text.size()) {
    std::string::size_type end = text.find('\0', start);
    if (end == std::string::npos) end = text.size();
    arguments.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

}  // namespace

const char* GetCommandLineA() {
  static const std::string commandLine = QuoteArguments(ProcessArguments());
  return commandLine.c_str();
}

// Linux code pages (UTF-8 and the single-byte ones) have no lead bytes, and
// no byte of a UTF-8 sequence equals a space, a quote or a switch mark.
BOOL IsDBCSLeadByte(BYTE /*byte*/) { return FALSE; }

}  // namespace vantiro::platform
