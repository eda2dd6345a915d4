// Choice of the target mode from the requested values.
#pragma once

#include <cstdint>
#include <optional>

#include "modes/display_mode_list.h"

namespace vantiro {

// Pointer to one of DisplayMode's orderings (LessByWidth, ..., operator<).
using ModeOrdering = bool (DisplayMode::*)(const DisplayMode&) const;

// Removes every mode that does not match `pattern`; the rest keep their order.
void KeepMatchingModes(DisplayModeList& list, const DisplayMode& pattern);

// Removes every mode in front of the first largest one under `less`.
void KeepFromLargest(DisplayModeList& list, ModeOrdering less);

// Narrows the (sorted, duplicate-free) catalogue to the requested numbers,
// resolves each kMaxValue width first, then height, depth and refresh, and
// returns the one mode left. When nothing fits: with `force` a mode made from
// the requested values as they are; without it, nullopt.
std::optional<DisplayMode> SelectTargetMode(DisplayModeList& catalogue, std::uint32_t width,
                                            std::uint32_t height, std::uint32_t depth,
                                            std::uint32_t refresh, bool force);

}  // namespace vantiro
