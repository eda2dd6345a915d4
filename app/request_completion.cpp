#include "app/request_completion.h"

#include <cstdint>

#include "platform/device_context.h"

namespace vantiro {

CurrentMode ReadCurrentMode(const std::string& deviceName) {
  // The empty text, not a null device, stands for the primary display here.
  const DeviceContext context(deviceName.c_str());
  CurrentMode current;
  current.width = context.Capability(HORZRES);
  current.height = context.Capability(VERTRES);
  current.depth = context.Capability(BITSPIXEL);
  current.refresh = context.Capability(VREFRESH);
  return current;
}

void CompleteRequest(RunOptions& options, const CurrentMode& current) {
  const bool defaultRate = current.refresh == 0 || current.refresh == 1;
  if (defaultRate) options.refresh = 0;
  if (options.width == 0) options.width = static_cast<std::uint32_t>(current.width);
  if (options.height == 0) options.height = static_cast<std::uint32_t>(current.height);
  if (options.depth == 0) options.depth = static_cast<std::uint32_t>(current.depth);
  if (options.refresh == 0 && current.refresh > 1) {
    options.refresh = static_cast<std::uint32_t>(current.refresh);
  }
}

}  // namespace vantiro
