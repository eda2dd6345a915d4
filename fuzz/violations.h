// How a fuzz target reports a broken rule: it prints what broke and the case
// it broke on, then aborts, so that libFuzzer keeps the input as a finding
// and a corpus replay fails on it.
#pragma once

#include <string>
#include <vector>

namespace vantiro::fuzz {

void StopOnViolations(const std::vector<std::string>& violations, const std::string& caseText);

// `text` with every byte outside printable ASCII written as \xHH.
std::string Printable(const std::string& text);

}  // namespace vantiro::fuzz
