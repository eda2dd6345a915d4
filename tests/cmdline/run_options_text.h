// RunOptions as one line of text, so that a whole record is compared at once
// and a failure shows every field.
#pragma once

#include <sstream>
#include <string>

#include "cmdline/run_options.h"

namespace vantiro {

inline std::string OptionsText(const RunOptions& options) {
  std::ostringstream out;
  out << "listMonitors=" << options.listMonitors << " listModes=" << options.listModes
      << " test=" << options.test << " force=" << options.force << " quiet=" << options.quiet
      << " width=" << options.width << " height=" << options.height << " depth=" << options.depth
      << " refresh=" << options.refresh << " deviceName=\"" << options.deviceName
      << "\" programCommandLine=\"" << options.programCommandLine << '"';
  return out.str();
}

}  // namespace vantiro
