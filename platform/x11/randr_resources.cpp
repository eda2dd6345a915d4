#include "platform/x11/randr_resources.h"

namespace vantiro::x11 {

ScreenResources ReadScreenResources(Display* display) {
  static bool probed = false;
  const Window root = DefaultRootWindow(display);
  if (!probed) {
    probed = true;
    return ScreenResources(XRRGetScreenResources(display, root));
  }
  return ScreenResources(XRRGetScreenResourcesCurrent(display, root));
}

const XRRModeInfo* FindModeInfo(const XRRScreenResources& resources, RRMode mode) {
  for (int index = 0; index < resources.nmode; ++index) {
    if (resources.modes[index].id == mode) return &resources.modes[index];
  }
  return nullptr;
}

RROutput FindOutputByName(Display* display, XRRScreenResources& resources, const std::string& name,
                          OutputInfo& info) {
  for (int index = 0; index < resources.noutput; ++index) {
    OutputInfo candidate(XRRGetOutputInfo(display, &resources, resources.outputs[index]));
    if (candidate && std::string(candidate->name, candidate->nameLen) == name) {
      info = std::move(candidate);
      return resources.outputs[index];
    }
  }
  return None;
}

bool IsQuarterTurned(Rotation rotation) { return (rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0; }

}  // namespace vantiro::x11
