// The modes of a display device: its output's RandR modes at the screen's
// bits per pixel.
#include "platform/platform.h"
#include "platform/x11/record_fields.h"
#include "platform/x11/screen_snapshot.h"

namespace vantiro::platform {

namespace {

constexpr WORD kSpecVersion = 0x0401;
constexpr DWORD kInterlaced = 0x00000002;  // DM_INTERLACED in dmDisplayFlags

}  // namespace

BOOL EnumDisplaySettingsA(const char* device, DWORD modeIndex, DEVMODEA* mode) {
  const x11::ScreenState* screen = x11::Screen();
  if (screen == nullptr || mode == nullptr) return FALSE;
  const x11::OutputState* output = x11::FindOutput(*screen, device);
  if (output == nullptr || modeIndex >= output->modes.size()) return FALSE;

  const x11::OutputMode& offered = output->modes[modeIndex];
  *mode = DEVMODEA{};
  x11::CopyToField(mode->dmDeviceName, output->name);
  mode->dmSpecVersion = kSpecVersion;
  mode->dmSize = sizeof(DEVMODEA);
  mode->dmFields =
      DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFLAGS | DM_DISPLAYFREQUENCY;
  mode->dmBitsPerPel = screen->bitsPerPixel;
  mode->dmPelsWidth = offered.width;
  mode->dmPelsHeight = offered.height;
  mode->dmDisplayFlags = offered.interlaced ? kInterlaced : 0;
  mode->dmDisplayFrequency = offered.refresh;
  return TRUE;
}

}  // namespace vantiro::platform
