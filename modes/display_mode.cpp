#include "modes/display_mode.h"

#include <tuple>

namespace vantiro {

namespace {

// The standard header and the four values, in the platform record and in the
// match fields alike, so that the record claims exactly what we compare on.
void ClaimModeValues(DisplayMode& mode, std::uint32_t width, std::uint32_t height,
                     std::uint32_t depth, std::uint32_t refresh) {
  mode.dmSpecVersion = 0;
  mode.dmDriverVersion = 0;
  mode.dmSize = sizeof(DEVMODEA);
  mode.dmDriverExtra = 0;
  mode.dmFields = kDisplayModeFields;
  mode.dmPelsWidth = width;
  mode.dmPelsHeight = height;
  mode.dmBitsPerPel = depth;
  mode.dmDisplayFrequency = refresh;
  mode.width = width;
  mode.height = height;
  mode.depth = depth;
  mode.refresh = refresh;
}

bool FieldFits(std::uint32_t own, std::uint32_t wanted) {
  return wanted == kAnyValue || wanted == own;
}

}  // namespace

DisplayMode::DisplayMode() : DEVMODEA() {}

DisplayMode::DisplayMode(std::uint32_t width, std::uint32_t height, std::uint32_t depth,
                         std::uint32_t refresh)
    : DEVMODEA() {
  ClaimModeValues(*this, width, height, depth, refresh);
}

DisplayMode::DisplayMode(const DEVMODEA& record) : DEVMODEA(record) {
  ClaimModeValues(*this, dmPelsWidth, dmPelsHeight, dmBitsPerPel, dmDisplayFrequency);
}

bool DisplayMode::operator==(const DisplayMode& pattern) const {
  return FieldFits(width, pattern.width) && FieldFits(height, pattern.height) &&
         FieldFits(depth, pattern.depth) && FieldFits(refresh, pattern.refresh);
}

bool DisplayMode::operator<(const DisplayMode& other) const {
  return std::tie(width, height, depth, refresh) <
         std::tie(other.width, other.height, other.depth, other.refresh);
}

bool DisplayMode::LessByWidth(const DisplayMode& other) const { return width < other.width; }

bool DisplayMode::LessByHeight(const DisplayMode& other) const { return height < other.height; }

bool DisplayMode::LessByDepth(const DisplayMode& other) const { return depth < other.depth; }

}  // namespace vantiro
