#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "platform/x11/display_connection.h"

namespace vantiro::platform {

BOOL OpenDisplayServices() {
  std::string problem;
  if (x11::OpenDisplay(problem)) return TRUE;
  // Told once: a run asks only once, but a second caller stays quiet.
  static bool told = false;
  if (!told) {
    told = true;
    std::fprintf(stderr, "vantiro: %s\n", problem.c_str());
    std::fflush(stderr);
  }
  return FALSE;
}

}  // namespace vantiro::platform
