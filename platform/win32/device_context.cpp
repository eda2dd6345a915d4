// Device contexts of display devices, for the current mode's capabilities.
// GDI itself answers 0 for the capabilities of a null context.
#include "platform/platform.h"

namespace vantiro::platform {

HDC CreateDCA(const char* driver, const char* device, const char* output,
              const DEVMODEA* initialisation) {
  return ::CreateDCA(driver, device, output, initialisation);
}

int GetDeviceCaps(HDC context, int index) { return ::GetDeviceCaps(context, index); }

BOOL DeleteDC(HDC context) { return ::DeleteDC(context); }

}  // namespace vantiro::platform
