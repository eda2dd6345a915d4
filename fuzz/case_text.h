// Readable accounts of decoded cases, for the report of a broken rule.
#pragma once

#include <string>

#include "fuzz/command_line_case.h"
#include "fuzz/run_case.h"

namespace vantiro::fuzz {

std::string DescribeCommandLineCase(const CommandLineCase& commandLineCase);
std::string DescribeRunCase(const RunCase& runCase);

}  // namespace vantiro::fuzz
