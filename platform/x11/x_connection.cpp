#include "platform/x11/x_connection.h"

#include <X11/extensions/Xrandr.h>
#include <fcntl.h>

#include <memory>

namespace vantiro::x11 {

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};

struct Connection {
  bool tried = false;
  std::string problem;
  std::unique_ptr<Display, DisplayCloser> display;
};

Connection& TheConnection() {
  static Connection connection;
  return connection;
}

int trappedErrors = 0;

int CountError(Display*, XErrorEvent*) {
  ++trappedErrors;
  return 0;
}

std::string DisplayName() {
  const char* name = XDisplayName(nullptr);
  return name == nullptr ? std::string() : std::string(name);
}

}  // namespace

bool OpenDisplay(std::string& problem) {
  Connection& connection = TheConnection();
  if (!connection.tried) {
    connection.tried = true;
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!display) {
      connection.problem = DisplayName().empty()
                               ? "cannot open the X display: DISPLAY is not set"
                               : "cannot open the X display \"" + DisplayName() + "\"";
    } else if (!XRRQueryExtension(display.get(), &eventBase, &errorBase) ||
               !XRRQueryVersion(display.get(), &major, &minor) || (major == 1 && minor < 2) ||
               major < 1) {
      connection.problem = "the X display \"" + DisplayName() +
                           "\" does not offer RandR 1.2, which mode changes need";
    } else {
      // A started program must not inherit the connection.
      const int socket = ConnectionNumber(display.get());
      fcntl(socket, F_SETFD, fcntl(socket, F_GETFD) | FD_CLOEXEC);
      XSetErrorHandler(CountError);
      connection.display = std::move(display);
    }
  }
  problem = connection.problem;
  return connection.display != nullptr;
}

Display* ConnectedDisplay() {
  std::string problem;
  return OpenDisplay(problem) ? TheConnection().display.get() : nullptr;
}

ErrorTrap::ErrorTrap(Display* display) : display_(display) {
  XSync(display_, False);
  trappedErrors = 0;
}

bool ErrorTrap::Succeeded() {
  XSync(display_, False);
  return trappedErrors == 0;
}

}  // namespace vantiro::x11
