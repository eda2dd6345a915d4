#include "cmdline/switch_parser.h"

#include <array>
#include <string_view>

#include "cmdline/monitor_lookup.h"
#include "cmdline/multibyte_search.h"

namespace vantiro {

namespace {

// The adapter form of a device name; a value that begins with it is taken as
// a device name and not looked up.
constexpr std::string_view kDevicePrefix = "\\\\.\\";

enum class SwitchEffect {
  ListMonitors,
  Monitor,
  ListModes,
  Width,
  Height,
  Depth,
  Refresh,
  Test,
  Force,
  Quiet
};

struct SwitchKeyword {
  std::string_view keyword;
  SwitchEffect effect;
};

// Tried in this order; the first match wins. "listmonitors" comes before
// "monitor" so that it never reaches the monitor row.
constexpr std::array<SwitchKeyword, 10> kSwitches{{
    {"listmonitors", SwitchEffect::ListMonitors},
    {"monitor", SwitchEffect::Monitor},
    {"listmodes", SwitchEffect::ListModes},
    {"width", SwitchEffect::Width},
    {"height", SwitchEffect::Height},
    {"depth", SwitchEffect::Depth},
    {"refresh", SwitchEffect::Refresh},
    {"test", SwitchEffect::Test},
    {"force", SwitchEffect::Force},
    {"quiet", SwitchEffect::Quiet},
}};

// ASCII only: the locale must not decide what a switch means.
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view left, std::string_view right) {
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (AsciiLower(left[i]) != AsciiLower(right[i])) return false;
  }
  return true;
}

bool StartsWithKeyword(std::string_view switchText, std::string_view keyword) {
  return switchText.size() >= keyword.size() &&
         EqualsIgnoringAsciiCase(switchText.substr(0, keyword.size()), keyword);
}

// White space as isspace sees it in the C locale.
bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The "%u" conversion: white space, one optional sign, digits. The digits wrap
// modulo 2^32 and a "-" negates modulo 2^32, as the C library documents it;
// no digit at all reads as 0 (not given).
std::uint32_t ReadUnsigned(std::string_view text) {
  std::size_t position = 0;
  while (position < text.size() && IsCSpace(text[position])) ++position;
  bool negative = false;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    negative = text[position] == '-';
    ++position;
  }
  std::uint32_t value = 0;
  for (; position < text.size() && IsDigit(text[position]); ++position) {
    value = value * 10u + static_cast<std::uint32_t>(text[position] - '0');
  }
  return negative ? 0u - value : value;
}

std::string_view TextOf(const char* text) {
  return text == nullptr ? std::string_view() : std::string_view(text);
}

// The text after the first "=" (found as a whole character), if there is one.
bool FindValueText(std::string_view switchText, std::string_view& valueText) {
  const std::size_t equals = FindFirstOf(switchText, "=");
  if (equals == kNotFound) return false;
  valueText = switchText.substr(equals + 1);
  return true;
}

std::string MonitorDeviceName(const char* switchText) {
  const std::string valueText = SwitchValueText(switchText);
  if (valueText.compare(0, kDevicePrefix.size(), kDevicePrefix) == 0) return valueText;
  return FindMonitorDevice(valueText);
}

}  // namespace

void ParseArguments(int argumentCount, const char* const* arguments, RunOptions& options) {
  if (arguments == nullptr) return;
  for (int i = 1; i < argumentCount; ++i) {
    const char* argument = arguments[i];
    // Everything from the first non-switch on belongs to the program to start.
    if (argument == nullptr || (argument[0] != '-' && argument[0] != '/')) return;
    ApplySwitch(argument + 1, options);
  }
}

void ApplySwitch(const char* switchText, RunOptions& options) {
  const std::string_view text = TextOf(switchText);
  for (const SwitchKeyword& row : kSwitches) {
    if (!StartsWithKeyword(text, row.keyword)) continue;
    switch (row.effect) {
      case SwitchEffect::ListMonitors: options.listMonitors = true; break;
      case SwitchEffect::Monitor: options.deviceName = MonitorDeviceName(switchText); break;
      case SwitchEffect::ListModes: options.listModes = true; break;
      case SwitchEffect::Width: options.width = ParseSwitchValue(switchText); break;
      case SwitchEffect::Height: options.height = ParseSwitchValue(switchText); break;
      case SwitchEffect::Depth: options.depth = ParseSwitchValue(switchText); break;
      case SwitchEffect::Refresh: options.refresh = ParseSwitchValue(switchText); break;
      case SwitchEffect::Test: options.test = true; break;
      case SwitchEffect::Force: options.force = true; break;
      case SwitchEffect::Quiet: options.quiet = true; break;
    }
    return;
  }
}

std::uint32_t ParseSwitchValue(const char* switchText) {
  std::string_view valueText;
  if (!FindValueText(TextOf(switchText), valueText)) return 0;
  if (EqualsIgnoringAsciiCase(valueText, "max")) return kMaxValue;
  return ReadUnsigned(valueText);
}

std::string SwitchValueText(const char* switchText) {
  std::string_view valueText;
  if (!FindValueText(TextOf(switchText), valueText)) return std::string();
  return std::string(valueText);
}

}  // namespace vantiro
