// Views of a DisplayMode that tests compare and print: its four match fields,
// the four values of its platform record, a tag that tells records with the
// same values apart, and a readable form for failure messages.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "modes/display_mode_list.h"

namespace vantiro {

using ModeValues = std::array<std::uint32_t, 4>;  // width, height, depth, refresh

inline ModeValues MatchValuesOf(const DisplayMode& mode) {
  return {mode.width, mode.height, mode.depth, mode.refresh};
}

inline ModeValues PlatformValuesOf(const DEVMODEA& mode) {
  return {mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency};
}

inline std::vector<ModeValues> MatchValuesOf(const DisplayModeList& modes) {
  std::vector<ModeValues> values;
  for (const DisplayMode& mode : modes) values.push_back(MatchValuesOf(mode));
  return values;
}

// The tag rides in dmDeviceName, a platform field that no comparison reads.
inline void SetTag(DEVMODEA& mode, const std::string& tag) {
  std::memset(mode.dmDeviceName, 0, sizeof mode.dmDeviceName);
  std::memcpy(mode.dmDeviceName, tag.data(), std::min(tag.size(), sizeof mode.dmDeviceName - 1));
}

inline std::string TagOf(const DEVMODEA& mode) {
  const char* name = reinterpret_cast<const char*>(mode.dmDeviceName);
  return std::string(name, strnlen(name, sizeof mode.dmDeviceName));
}

inline std::vector<std::string> TagsOf(const DisplayModeList& modes) {
  std::vector<std::string> tags;
  for (const DisplayMode& mode : modes) tags.push_back(TagOf(mode));
  return tags;
}

// Without it GoogleTest would dump the record's bytes.
inline void PrintTo(const DisplayMode& mode, std::ostream* out) {
  *out << '(' << mode.width << ", " << mode.height << ", " << mode.depth << ", " << mode.refresh
       << ')';
  const std::string tag = TagOf(mode);
  if (!tag.empty()) *out << ' ' << tag;
}

}  // namespace vantiro
