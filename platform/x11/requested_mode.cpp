#include "platform/x11/requested_mode.h"

#include <algorithm>
#include <vector>

namespace vantiro::x11 {

namespace {

bool Claims(const DEVMODEA& request, DWORD field) { return (request.dmFields & field) != 0; }

}  // namespace

std::optional<OutputMode> FindRequestedMode(const OutputState& output, std::uint32_t bitsPerPixel,
                                            const DEVMODEA& request) {
  if (Claims(request, DM_BITSPERPEL) && request.dmBitsPerPel != bitsPerPixel) return std::nullopt;
  const std::uint32_t width =
      Claims(request, DM_PELSWIDTH) ? request.dmPelsWidth : output.current.width;
  const std::uint32_t height =
      Claims(request, DM_PELSHEIGHT) ? request.dmPelsHeight : output.current.height;
  const bool anyRate = !Claims(request, DM_DISPLAYFREQUENCY) || request.dmDisplayFrequency <= 1;

  std::vector<OutputMode> sized;
  std::copy_if(
      output.modes.begin(), output.modes.end(), std::back_inserter(sized),
      [&](const OutputMode& mode) { return mode.width == width && mode.height == height; });
  const auto first = [&](auto predicate) -> std::optional<OutputMode> {
    const auto found = std::find_if(sized.begin(), sized.end(), predicate);
    if (found == sized.end()) return std::nullopt;
    return *found;
  };
  const auto isCurrent = [&](const OutputMode& mode) {
    return output.attached && mode.id == output.current.id;
  };
  if (!anyRate) {
    // Several modes can round to one rate; the one in force is the cheapest.
    const auto ofRate = [&](const OutputMode& mode) {
      return mode.refresh == request.dmDisplayFrequency;
    };
    if (auto current = first([&](const OutputMode& m) { return ofRate(m) && isCurrent(m); })) {
      return current;
    }
    return first(ofRate);
  }
  if (auto untimed = first([](const OutputMode& mode) { return mode.refresh == 0; }))
    return untimed;
  if (auto current = first(isCurrent)) return current;
  if (sized.empty()) return std::nullopt;
  return sized.front();
}

}  // namespace vantiro::x11
