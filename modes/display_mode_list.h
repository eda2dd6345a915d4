#pragma once

#include <vector>

#include "modes/display_mode.h"

namespace vantiro {

// An ordered sequence of modes that owns them, in contiguous storage.
using DisplayModeList = std::vector<DisplayMode>;

}  // namespace vantiro
