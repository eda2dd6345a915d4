// What the X server's RandR state looks like to the rest of the backend: plain
// values, so that the code that fills the Windows records never meets an X11
// header (whose macros clash with the records' names).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantiro::x11 {

// One RandR mode as an output offers it, in the orientation of its CRTC.
struct OutputMode {
  unsigned long id = 0;  // the RandR mode id
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t refresh = 0;  // whole hertz; 0 for a mode without timings
  bool interlaced = false;
};

// One connected RandR output.
struct OutputState {
  std::string name;               // "HDMI-1"
  std::string monitorName;        // from the EDID, else the output name
  bool attached = false;          // drives a CRTC
  bool primary = false;           // the RandR primary, else the first attached output
  OutputMode current;             // the CRTC's mode; all zero when not attached
  std::vector<OutputMode> modes;  // in the server's order
};

struct ScreenState {
  std::uint32_t bitsPerPixel = 0;    // of the screen's default depth
  std::vector<OutputState> outputs;  // connected outputs, in the server's order
};

}  // namespace vantiro::x11
