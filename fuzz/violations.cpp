#include "fuzz/violations.h"

#include <cstdio>
#include <cstdlib>

namespace vantiro::fuzz {

void StopOnViolations(const std::vector<std::string>& violations, const std::string& caseText) {
  if (violations.empty()) return;
  std::fprintf(stderr, "\n== %zu broken rule(s) ==\n", violations.size());
  for (const std::string& violation : violations) {
    std::fprintf(stderr, "- %s\n", Printable(violation).c_str());
  }
  std::fprintf(stderr, "== case ==\n%s\n", caseText.c_str());
  std::abort();
}

std::string Printable(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string printable;
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte >= 0x20 && byte < 0x7F) {
      printable += character;
    } else {
      printable += "\\x";
      printable += kHex[byte >> 4];
      printable += kHex[byte & 0xF];
    }
  }
  return printable;
}

}  // namespace vantiro::fuzz
