#include "modes/mode_selection.h"

#include <algorithm>

namespace vantiro {

namespace {

// A value requested as max: in the pattern it is the wildcard, so the filter
// leaves that field open for its max step.
constexpr std::uint32_t kMaxRequest = kAnyValue;

}  // namespace

void KeepMatchingModes(DisplayModeList& list, const DisplayMode& pattern) {
  const auto rejectedBegin = std::remove_if(
      list.begin(), list.end(), [&pattern](const DisplayMode& mode) { return !(mode == pattern); });
  list.erase(rejectedBegin, list.end());
}

void KeepFromLargest(DisplayModeList& list, ModeOrdering less) {
  if (less == nullptr) return;
  const auto largest =
      std::max_element(list.begin(), list.end(),
                       [less](const DisplayMode& a, const DisplayMode& b) { return (a.*less)(b); });
  list.erase(list.begin(), largest);
}

std::optional<DisplayMode> SelectTargetMode(DisplayModeList& catalogue, std::uint32_t width,
                                            std::uint32_t height, std::uint32_t depth,
                                            std::uint32_t refresh, bool force) {
  const DisplayMode requested(width, height, depth, refresh);
  KeepMatchingModes(catalogue, requested);
  // Width first, then height, depth and refresh: each max is the largest value
  // among the modes that the fields before it have left.
  if (width == kMaxRequest) KeepFromLargest(catalogue, &DisplayMode::LessByWidth);
  if (height == kMaxRequest) KeepFromLargest(catalogue, &DisplayMode::LessByHeight);
  if (depth == kMaxRequest) KeepFromLargest(catalogue, &DisplayMode::LessByDepth);
  // The other three fields are fixed by now, so the full order decides on the
  // refresh rate alone.
  if (refresh == kMaxRequest) KeepFromLargest(catalogue, &DisplayMode::operator<);

  if (catalogue.empty()) {
    if (!force) return std::nullopt;
    catalogue.push_back(requested);
  }
  return catalogue.front();
}

}  // namespace vantiro
