// An oracle for what the command line asks for, kept apart from the parser
// it checks: the switches are the arguments after the program's own name up
// to the first one that does not start with "-" or "/".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantiro::fuzz {

// The leading switches, each without its "-" or "/".
std::vector<std::string> LeadingSwitches(const std::vector<std::string>& arguments);

// True when a leading switch starts with `keyword`, ASCII case ignored. No
// keyword starts another, so this is exactly when the switch takes effect.
bool HasSwitch(const std::vector<std::string>& arguments, std::string_view keyword);

}  // namespace vantiro::fuzz
