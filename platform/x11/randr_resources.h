// Owners of the records that libXrandr allocates, and lookups in them. Only
// the X side of the backend includes this header.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <memory>
#include <string>

namespace vantiro::x11 {

struct ScreenResourcesFree {
  void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct OutputInfoFree {
  void operator()(XRROutputInfo* info) const { XRRFreeOutputInfo(info); }
};
struct CrtcInfoFree {
  void operator()(XRRCrtcInfo* info) const { XRRFreeCrtcInfo(info); }
};
struct XDataFree {
  void operator()(unsigned char* data) const { XFree(data); }
};

using ScreenResources = std::unique_ptr<XRRScreenResources, ScreenResourcesFree>;
using OutputInfo = std::unique_ptr<XRROutputInfo, OutputInfoFree>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, CrtcInfoFree>;
using PropertyData = std::unique_ptr<unsigned char, XDataFree>;

// The screen's outputs, CRTCs and modes. The first read of the process asks
// the server to probe its outputs; later ones take what it knows.
ScreenResources ReadScreenResources(Display* display);

// The mode with this id among the screen's modes, or null.
const XRRModeInfo* FindModeInfo(const XRRScreenResources& resources, RRMode mode);

// The output with this name, with its info, or None.
RROutput FindOutputByName(Display* display, XRRScreenResources& resources, const std::string& name,
                          OutputInfo& info);

// True when the CRTC's picture is turned by a quarter, so that a mode's width
// runs up the screen.
bool IsQuarterTurned(Rotation rotation);

}  // namespace vantiro::x11
