// Which RandR mode of an output a Windows mode record asks for.
#pragma once

#include <optional>

#include "platform/records.h"
#include "platform/x11/screen_model.h"

namespace vantiro::x11 {

// The output's mode of the requested size and rate at the screen's bits per
// pixel. A field that dmFields does not claim keeps the current value; a rate
// of 0 or 1 (the hardware's default) takes a mode without timings if there is
// one, else the current mode if it has the size, else the first of the size.
// nullopt when the depth is not the screen's or no mode has the size and rate.
std::optional<OutputMode> FindRequestedMode(const OutputState& output, std::uint32_t bitsPerPixel,
                                            const DEVMODEA& request);

}  // namespace vantiro::x11
