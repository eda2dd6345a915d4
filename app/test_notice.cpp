#include "app/test_notice.h"

#include <sstream>

namespace vantiro {

std::string FormatTestNotice(const DEVMODEA& target, const std::string& programCommandLine) {
  std::ostringstream text;
  text << "Testing (" << target.dmPelsWidth << " x " << target.dmPelsHeight << ") "
       << target.dmBitsPerPel << " bpp, " << target.dmDisplayFrequency << "Hz\r\n\r\n"
       << "Command line:\r\n"
       << (programCommandLine.empty() ? "(none)" : programCommandLine) << "\r\n";
  return text.str();
}

}  // namespace vantiro
