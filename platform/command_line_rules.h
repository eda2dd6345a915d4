// The Windows rules that turn an argument vector into one command line and
// back, for platforms whose processes receive a vector: the raw command line
// and the program command line then read exactly as they would on Windows.
#pragma once

#include <string>
#include <vector>

namespace vantiro::platform {

// One command line that SplitCommandLine turns back into `arguments`.
// Argument 0 follows the rule for a program name: quoted whole when it holds a
// space or tab, never escaped (a name cannot hold a double quote). Every other
// argument is written as is when it needs no quoting; otherwise inside double
// quotes, with its quotes escaped and the backslashes in front of a quote or
// of the closing quote doubled. A switch with a value ("-monitor=Left Panel")
// opens its quotes after the "=" ("-monitor=\"Left Panel\""), as a Windows
// user writes it, so that the switch still reads as a switch.
std::string QuoteArguments(const std::vector<std::string>& arguments);

// The Microsoft C runtime's split of `commandLine` into arguments. Argument 0
// runs to the first space or tab outside double quotes, quotes removed;
// later arguments are separated by spaces and tabs, double quotes group, a
// pair of quotes inside quotes is one literal quote, 2n backslashes before a
// quote give n backslashes, 2n+1 give n and a literal quote, and other
// backslashes stand for themselves. An empty text gives no argument.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace vantiro::platform
