// Opening the process's one connection to the X server; free of X11 headers,
// so that the Windows side of the backend can ask for it.
#pragma once

#include <string>

namespace vantiro::x11 {

// Opens the display named by DISPLAY, once for the process, and checks that
// it serves RandR 1.2 or later. On failure `problem` says why, and every
// later call fails the same way. The connection lasts until the process ends.
bool OpenDisplay(std::string& problem);

}  // namespace vantiro::x11
