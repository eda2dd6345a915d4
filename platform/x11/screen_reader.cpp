#include "platform/x11/screen_reader.h"

#include <X11/Xatom.h>

#include "platform/x11/edid_monitor_name.h"
#include "platform/x11/mode_timings.h"
#include "platform/x11/randr_resources.h"
#include "platform/x11/x_connection.h"

namespace vantiro::x11 {

namespace {

std::uint32_t BitsPerPixel(Display* display) {
  const int depth = DefaultDepth(display, DefaultScreen(display));
  int count = 0;
  std::unique_ptr<XPixmapFormatValues, int (*)(void*)> formats(XListPixmapFormats(display, &count),
                                                               XFree);
  for (int index = 0; formats && index < count; ++index) {
    if (formats.get()[index].depth == depth) {
      return static_cast<std::uint32_t>(formats.get()[index].bits_per_pixel);
    }
  }
  return static_cast<std::uint32_t>(depth);
}

OutputMode ModeOf(const XRRModeInfo& info, Rotation rotation) {
  OutputMode mode;
  mode.id = info.id;
  const bool turned = IsQuarterTurned(rotation);
  mode.width = turned ? info.height : info.width;
  mode.height = turned ? info.width : info.height;
  ModeTimings timings;
  timings.dotClock = info.dotClock;
  timings.hTotal = info.hTotal;
  timings.vTotal = info.vTotal;
  timings.interlaced = (info.modeFlags & RR_Interlace) != 0;
  timings.doubleScan = (info.modeFlags & RR_DoubleScan) != 0;
  mode.refresh = RefreshRateHz(timings);
  mode.interlaced = timings.interlaced;
  return mode;
}

std::string MonitorName(Display* display, RROutput output) {
  const Atom edidAtom = XInternAtom(display, RR_PROPERTY_RANDR_EDID, True);
  if (edidAtom == None) return {};
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* raw = nullptr;
  const int status =
      XRRGetOutputProperty(display, output, edidAtom, 0, 256, False, False, AnyPropertyType, &type,
                           &format, &count, &remaining, &raw);
  const PropertyData data(raw);
  if (status != Success || format != 8 || !data) return {};
  return EdidMonitorName(data.get(), count);
}

OutputState ReadOutput(Display* display, XRRScreenResources& resources, RROutput output,
                       const XRROutputInfo& info) {
  OutputState state;
  state.name.assign(info.name, static_cast<std::size_t>(info.nameLen));
  state.monitorName = MonitorName(display, output);
  if (state.monitorName.empty()) state.monitorName = state.name;

  Rotation rotation = RR_Rotate_0;
  if (info.crtc != None) {
    const CrtcInfo crtc(XRRGetCrtcInfo(display, &resources, info.crtc));
    if (crtc && crtc->mode != None) {
      rotation = crtc->rotation;
      if (const XRRModeInfo* current = FindModeInfo(resources, crtc->mode)) {
        state.attached = true;
        state.current = ModeOf(*current, rotation);
      }
    }
  }
  for (int index = 0; index < info.nmode; ++index) {
    if (const XRRModeInfo* mode = FindModeInfo(resources, info.modes[index])) {
      state.modes.push_back(ModeOf(*mode, rotation));
    }
  }
  return state;
}

void MarkPrimary(std::vector<OutputState>& outputs, const std::string& primaryName) {
  for (OutputState& output : outputs) {
    if (output.attached && output.name == primaryName) {
      output.primary = true;
      return;
    }
  }
  for (OutputState& output : outputs) {
    if (output.attached) {
      output.primary = true;
      return;
    }
  }
}

}  // namespace

std::optional<ScreenState> ReadScreen() {
  Display* display = ConnectedDisplay();
  if (display == nullptr) return std::nullopt;
  ErrorTrap trap(display);
  ScreenResources resources = ReadScreenResources(display);
  if (!resources) return std::nullopt;

  ScreenState screen;
  screen.bitsPerPixel = BitsPerPixel(display);
  const RROutput primary = XRRGetOutputPrimary(display, DefaultRootWindow(display));
  std::string primaryName;
  for (int index = 0; index < resources->noutput; ++index) {
    const RROutput output = resources->outputs[index];
    const OutputInfo info(XRRGetOutputInfo(display, resources.get(), output));
    if (!info || info->connection != RR_Connected) continue;
    screen.outputs.push_back(ReadOutput(display, *resources, output, *info));
    if (output == primary) primaryName = screen.outputs.back().name;
  }
  MarkPrimary(screen.outputs, primaryName);
  if (!trap.Succeeded()) return std::nullopt;
  return screen;
}

}  // namespace vantiro::x11
