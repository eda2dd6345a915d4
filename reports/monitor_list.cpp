#include "reports/monitor_list.h"

#include <sstream>

#include "app/notices.h"
#include "platform/device_context.h"
#include "platform/platform.h"
#include "platform/record_text.h"

namespace vantiro {

namespace {

// One line: "\"NAME\" (\"MONITOR\") (W x H) D bpp, RHz primary\r\n", the
// monitor piece only when the adapter has a first monitor and the rate piece
// only for a real rate (0 and 1 stand for the hardware default).
void WriteMonitorLine(std::ostringstream& report, DISPLAY_DEVICEA& record) {
  const bool primary = (record.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0;
  // The monitor query below overwrites the record.
  const std::string deviceName = RecordText(record.DeviceName);

  report << '"' << deviceName << '"';
  if (platform::EnumDisplayDevicesA(deviceName.c_str(), 0, &record, 0)) {
    report << " (\"" << RecordText(record.DeviceString) << "\")";
  }

  const DeviceContext context(deviceName.c_str());
  const int width = context.Capability(HORZRES);
  const int height = context.Capability(VERTRES);
  const int bitsPerPixel = context.Capability(BITSPIXEL);
  const int refresh = context.Capability(VREFRESH);
  report << " (" << width << " x " << height << ") " << bitsPerPixel << " bpp";
  if (refresh >= 2) report << ", " << refresh << "Hz";
  if (primary) report << " primary";
  report << "\r\n";
}

}  // namespace

std::string MonitorReport() {
  std::ostringstream report;
  DISPLAY_DEVICEA record{};
  record.cb = sizeof record;
  for (DWORD index = 0; platform::EnumDisplayDevicesA(nullptr, index, &record, 0); ++index) {
    if ((record.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) == 0) continue;
    WriteMonitorLine(report, record);
  }
  return report.str();
}

void ListMonitors(const RunOptions& options) { ShowNotice(MonitorReport(), options); }

}  // namespace vantiro
