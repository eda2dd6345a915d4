// The RandR state that the enumerations and device contexts answer from:
// read once, and again after every mode change, so that a run that lists
// dozens of modes asks the server only once.
#pragma once

#include <string>

#include "platform/x11/screen_model.h"

namespace vantiro::x11 {

// The last state read, reading it first when there is none; null without a
// connection or an answer.
const ScreenState* Screen();

// Reads the state afresh, for a change that must act on what is true now.
const ScreenState* FreshScreen();

// The Windows device name of an output: "\\.\" and its name, cut to what
// the 32-byte device-name field holds.
std::string DeviceNameOf(const OutputState& output);

// The output that a device argument names: null and "" name the primary
// output; otherwise the device name, letters in any case. Null when none.
const OutputState* FindOutput(const ScreenState& screen, const char* device);

}  // namespace vantiro::x11
