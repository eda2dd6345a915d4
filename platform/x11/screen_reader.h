// Reads the X server's RandR state into the plain model.
#pragma once

#include <optional>

#include "platform/x11/screen_model.h"

namespace vantiro::x11 {

// The connected outputs, their modes and current modes; nullopt without a
// connection or when the server does not answer.
std::optional<ScreenState> ReadScreen();

}  // namespace vantiro::x11
