// Display devices: one adapter per connected RandR output, whose one monitor
// is the screen plugged into it.
#include <string>

#include "platform/platform.h"
#include "platform/x11/record_fields.h"
#include "platform/x11/screen_snapshot.h"

namespace vantiro::platform {

namespace {

constexpr const char* kAdapterDescription = "X RandR output";
constexpr const char* kMonitorSuffix = "\\Monitor0";

void FillRecord(DISPLAY_DEVICEA& record, const std::string& name, const std::string& description,
                DWORD stateFlags) {
  const DWORD cb = record.cb;
  record = DISPLAY_DEVICEA{};
  record.cb = cb;
  x11::CopyToField(record.DeviceName, name);
  x11::CopyToField(record.DeviceString, description);
  record.StateFlags = stateFlags;
}

}  // namespace

BOOL EnumDisplayDevicesA(const char* device, DWORD index, DISPLAY_DEVICEA* record,
                         DWORD /*flags*/) {
  const x11::ScreenState* screen = x11::Screen();
  if (screen == nullptr || record == nullptr) return FALSE;
  if (device == nullptr) {
    if (index >= screen->outputs.size()) return FALSE;
    const x11::OutputState& output = screen->outputs[index];
    DWORD stateFlags = 0;
    if (output.attached) stateFlags |= DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
    if (output.primary) stateFlags |= DISPLAY_DEVICE_PRIMARY_DEVICE;
    FillRecord(*record, x11::DeviceNameOf(output), kAdapterDescription, stateFlags);
    return TRUE;
  }
  // A device argument is an adapter's name: an empty one names no adapter.
  const x11::OutputState* output = *device == '\0' ? nullptr : x11::FindOutput(*screen, device);
  if (output == nullptr || index != 0) return FALSE;
  // For a monitor, bit 0 means active.
  const DWORD active = output->attached ? DISPLAY_DEVICE_ATTACHED_TO_DESKTOP : 0;
  FillRecord(*record, x11::DeviceNameOf(*output) + kMonitorSuffix, output->monitorName, active);
  return TRUE;
}

}  // namespace vantiro::platform
