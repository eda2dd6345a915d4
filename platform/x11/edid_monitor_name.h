// The monitor's own name, as its EDID block carries it.
#pragma once

#include <cstddef>
#include <string>

namespace vantiro::x11 {

// The text of the first display-name descriptor (tag 0xFC) of a 128-byte (or
// longer) EDID base block, ended at its line feed and without trailing
// spaces; empty when the block is too short, lacks the EDID header, or has no
// such descriptor.
std::string EdidMonitorName(const unsigned char* edid, std::size_t size);

}  // namespace vantiro::x11
