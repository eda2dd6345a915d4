// The X side's access to the connection. Only the X side of the backend
// includes this header.
#pragma once

#include <X11/Xlib.h>

#include "platform/x11/display_connection.h"

namespace vantiro::x11 {

// The open display, opening it when nobody has yet; null when it cannot be.
Display* ConnectedDisplay();

// Tells whether the requests made since it was created failed. X errors are
// counted, never fatal: Xlib's own handler would end the process, leaving
// the display in a changed mode.
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* display);

  // Waits for the server to have handled every request so far; true when
  // none of those made since construction failed.
  bool Succeeded();

 private:
  Display* display_;
};

}  // namespace vantiro::x11
