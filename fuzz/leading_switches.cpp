#include "fuzz/leading_switches.h"

#include <algorithm>

namespace vantiro::fuzz {

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char left, char right) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return lower(left) == lower(right);
  });
}

}  // namespace

std::vector<std::string> LeadingSwitches(const std::vector<std::string>& arguments) {
  std::vector<std::string> switches;
  for (std::size_t index = 1; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    if (argument.empty() || (argument[0] != '-' && argument[0] != '/')) break;
    switches.push_back(argument.substr(1));
  }
  return switches;
}

bool HasSwitch(const std::vector<std::string>& arguments, std::string_view keyword) {
  const std::vector<std::string> switches = LeadingSwitches(arguments);
  return std::any_of(switches.begin(), switches.end(), [&](const std::string& text) {
    return StartsWithIgnoringCase(text, keyword);
  });
}

}  // namespace vantiro::fuzz
