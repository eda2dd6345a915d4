#include "cmdline/monitor_lookup.h"

#include <algorithm>
#include <cstddef>

#include "platform/platform.h"

namespace vantiro {

namespace {

// The text of a fixed platform field, which need not hold a terminator: never
// read past its end.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, std::find(field, field + N, '\0'));
}

}  // namespace

std::string FindMonitorDevice(const std::string& description) {
  DISPLAY_DEVICEA record{};
  record.cb = sizeof record;
  for (DWORD adapterIndex = 0;
       platform::EnumDisplayDevicesA(nullptr, adapterIndex, &record, 0) != FALSE; ++adapterIndex) {
    if ((record.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) == 0) continue;
    // The monitor query overwrites the record, so the adapter's name is kept
    // apart first.
    const std::string adapterName = FieldText(record.DeviceName);
    // Only an adapter's first monitor is ever compared.
    if (platform::EnumDisplayDevicesA(adapterName.c_str(), 0, &record, 0) != FALSE &&
        FieldText(record.DeviceString) == description) {
      return adapterName;
    }
  }
  return std::string();
}

const char* SelectedDeviceName(const RunOptions& options) {
  return options.deviceName.empty() ? nullptr : options.deviceName.c_str();
}

}  // namespace vantiro
