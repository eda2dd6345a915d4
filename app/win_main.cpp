// The Windows entry point: the start-up code's argument vector goes to the run
// driver, whose status becomes the process exit code.
#include <cstdlib>

#include "app/run_driver.h"
#include "platform/records.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return static_cast<int>(vantiro::RunVantiro(__argc, __argv));
}
