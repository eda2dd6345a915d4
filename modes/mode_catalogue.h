// The catalogue of the modes that one display device offers.
#pragma once

#include "modes/display_mode_list.h"

namespace vantiro {

// Appends every mode that the platform enumerates for `device` (null for the
// primary display) to `list`, which is empty on entry, then sorts it and drops
// modes equal in all four match fields. Leaves the list empty when the device
// yields no modes or does not exist.
void EnumerateModes(DisplayModeList& list, const char* device);

}  // namespace vantiro
