// The display devices, their modes and the mode change, straight from user32.
#include "platform/platform.h"

namespace vantiro::platform {

BOOL OpenDisplayServices() { return TRUE; }

BOOL EnumDisplayDevicesA(const char* device, DWORD index, DISPLAY_DEVICEA* record, DWORD flags) {
  return ::EnumDisplayDevicesA(device, index, record, flags);
}

BOOL EnumDisplaySettingsA(const char* device, DWORD modeIndex, DEVMODEA* mode) {
  return ::EnumDisplaySettingsA(device, modeIndex, mode);
}

LONG ChangeDisplaySettingsExA(const char* device, DEVMODEA* mode, HWND window, DWORD flags,
                              void* parameter) {
  return ::ChangeDisplaySettingsExA(device, mode, window, flags, parameter);
}

}  // namespace vantiro::platform
