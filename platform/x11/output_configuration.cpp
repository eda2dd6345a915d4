#include "platform/x11/output_configuration.h"

#include <algorithm>
#include <cmath>

#include "platform/x11/randr_resources.h"
#include "platform/x11/x_connection.h"

namespace vantiro::x11 {

namespace {

struct ScreenSize {
  int width = 0;
  int height = 0;
  int widthMm = 0;
  int heightMm = 0;
};

struct CrtcSetting {
  RRCrtc crtc = None;
  int x = 0;
  int y = 0;
  RRMode mode = None;
  Rotation rotation = RR_Rotate_0;
  std::vector<RROutput> outputs;
};

// Other clients wait while the screen and the CRTC change together, so none
// of them sees a CRTC that does not fit the screen.
class ServerGrab {
 public:
  explicit ServerGrab(Display* display) : display_(display) { XGrabServer(display_); }
  ~ServerGrab() {
    XUngrabServer(display_);
    XSync(display_, False);
  }
  ServerGrab(const ServerGrab&) = delete;
  ServerGrab& operator=(const ServerGrab&) = delete;

 private:
  Display* display_;
};

// Keeps the screen's physical resolution: the sizes Xlib learnt at connection
// give the dots per millimetre, else 96 dots per inch.
int Millimetres(int pixels, int knownPixels, int knownMillimetres) {
  if (knownPixels > 0 && knownMillimetres > 0) {
    return static_cast<int>(
        std::lround(static_cast<double>(pixels) * knownMillimetres / knownPixels));
  }
  return static_cast<int>(std::lround(pixels * 25.4 / 96.0));
}

ScreenSize SizeWithMillimetres(Display* display, int width, int height) {
  const int screen = DefaultScreen(display);
  return ScreenSize{
      width, height,
      Millimetres(width, DisplayWidth(display, screen), DisplayWidthMM(display, screen)),
      Millimetres(height, DisplayHeight(display, screen), DisplayHeightMM(display, screen))};
}

// Asks the server: Xlib's own numbers lag behind changes that others make.
ScreenSize CurrentScreenSize(Display* display) {
  Window root = None;
  int x = 0;
  int y = 0;
  unsigned width = 0;
  unsigned height = 0;
  unsigned border = 0;
  unsigned depth = 0;
  XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border,
               &depth);
  return SizeWithMillimetres(display, static_cast<int>(width), static_cast<int>(height));
}

void SetScreenSize(Display* display, const ScreenSize& size) {
  XRRSetScreenSize(display, DefaultRootWindow(display), size.width, size.height, size.widthMm,
                   size.heightMm);
}

// The smallest screen that holds every CRTC once `setting` is in force.
ScreenSize NeededScreen(Display* display, XRRScreenResources& resources, const CrtcSetting& setting,
                        const XRRModeInfo& mode) {
  const bool turned = IsQuarterTurned(setting.rotation);
  int width = setting.x + static_cast<int>(turned ? mode.height : mode.width);
  int height = setting.y + static_cast<int>(turned ? mode.width : mode.height);
  for (int index = 0; index < resources.ncrtc; ++index) {
    if (resources.crtcs[index] == setting.crtc) continue;
    const CrtcInfo other(XRRGetCrtcInfo(display, &resources, resources.crtcs[index]));
    if (!other || other->mode == None) continue;
    width = std::max(width, other->x + static_cast<int>(other->width));
    height = std::max(height, other->y + static_cast<int>(other->height));
  }
  return ScreenSize{width, height, 0, 0};
}

// Sets the CRTC and sizes the screen to what the CRTCs need, or to
// `preferred` when that is larger. The screen grows before the CRTC changes
// and shrinks after, so that the CRTC always fits it.
bool ApplyCrtc(Display* display, XRRScreenResources& resources, const CrtcSetting& setting,
               const std::optional<ScreenSize>& preferred) {
  const XRRModeInfo* mode = FindModeInfo(resources, setting.mode);
  if (mode == nullptr) return false;
  ScreenSize target = NeededScreen(display, resources, setting, *mode);
  if (preferred) {
    target.width = std::max(target.width, preferred->width);
    target.height = std::max(target.height, preferred->height);
  }
  int minWidth = 0;
  int minHeight = 0;
  int maxWidth = 0;
  int maxHeight = 0;
  const Window root = DefaultRootWindow(display);
  if (!XRRGetScreenSizeRange(display, root, &minWidth, &minHeight, &maxWidth, &maxHeight)) {
    return false;
  }
  target.width = std::max(target.width, minWidth);
  target.height = std::max(target.height, minHeight);
  if (target.width > maxWidth || target.height > maxHeight) return false;
  const bool keepsPreferred =
      preferred && target.width == preferred->width && target.height == preferred->height;
  target = keepsPreferred ? *preferred : SizeWithMillimetres(display, target.width, target.height);

  ErrorTrap trap(display);
  const ScreenSize current = CurrentScreenSize(display);
  ScreenSize interim = current;
  if (target.width > current.width || target.height > current.height) {
    interim = SizeWithMillimetres(display, std::max(current.width, target.width),
                                  std::max(current.height, target.height));
    SetScreenSize(display, interim);
  }
  std::vector<RROutput> outputs = setting.outputs;
  const Status status = XRRSetCrtcConfig(display, &resources, setting.crtc, CurrentTime, setting.x,
                                         setting.y, setting.mode, setting.rotation, outputs.data(),
                                         static_cast<int>(outputs.size()));
  if (status != RRSetConfigSuccess) {
    if (interim.width != current.width || interim.height != current.height) {
      SetScreenSize(display, current);
    }
    trap.Succeeded();
    return false;
  }
  if (target.width != interim.width || target.height != interim.height ||
      target.widthMm != interim.widthMm || target.heightMm != interim.heightMm) {
    SetScreenSize(display, target);
  }
  return trap.Succeeded();
}

CrtcSetting SettingOf(RRCrtc crtc, const XRRCrtcInfo& info) {
  CrtcSetting setting;
  setting.crtc = crtc;
  setting.x = info.x;
  setting.y = info.y;
  setting.mode = info.mode;
  setting.rotation = info.rotation;
  setting.outputs.assign(info.outputs, info.outputs + info.noutput);
  return setting;
}

bool HasCrtc(const XRRScreenResources& resources, RRCrtc crtc) {
  return std::find(resources.crtcs, resources.crtcs + resources.ncrtc, crtc) !=
         resources.crtcs + resources.ncrtc;
}

}  // namespace

std::optional<SavedConfiguration> SaveConfiguration(const std::string& output) {
  Display* display = ConnectedDisplay();
  if (display == nullptr) return std::nullopt;
  ErrorTrap trap(display);
  ScreenResources resources = ReadScreenResources(display);
  if (!resources) return std::nullopt;
  OutputInfo info;
  if (FindOutputByName(display, *resources, output, info) == None || info->crtc == None) {
    return std::nullopt;
  }
  const CrtcInfo crtc(XRRGetCrtcInfo(display, resources.get(), info->crtc));
  if (!crtc || crtc->mode == None) return std::nullopt;
  const ScreenSize screen = CurrentScreenSize(display);
  if (!trap.Succeeded()) return std::nullopt;

  SavedConfiguration saved;
  saved.output = output;
  saved.crtc = info->crtc;
  saved.mode = crtc->mode;
  saved.x = crtc->x;
  saved.y = crtc->y;
  saved.rotation = crtc->rotation;
  saved.outputs.assign(crtc->outputs, crtc->outputs + crtc->noutput);
  saved.screenWidth = screen.width;
  saved.screenHeight = screen.height;
  saved.screenWidthMm = screen.widthMm;
  saved.screenHeightMm = screen.heightMm;
  return saved;
}

bool SetOutputMode(const std::string& output, unsigned long mode) {
  Display* display = ConnectedDisplay();
  if (display == nullptr) return false;
  const ServerGrab grab(display);
  ScreenResources resources = ReadScreenResources(display);
  if (!resources) return false;
  OutputInfo info;
  if (FindOutputByName(display, *resources, output, info) == None || info->crtc == None) {
    return false;
  }
  const CrtcInfo crtc(XRRGetCrtcInfo(display, resources.get(), info->crtc));
  if (!crtc || crtc->mode == None) return false;
  CrtcSetting setting = SettingOf(info->crtc, *crtc);
  setting.mode = mode;
  return ApplyCrtc(display, *resources, setting, std::nullopt);
}

bool RestoreConfiguration(const SavedConfiguration& saved) {
  Display* display = ConnectedDisplay();
  if (display == nullptr) return false;
  const ServerGrab grab(display);
  ScreenResources resources = ReadScreenResources(display);
  if (!resources || !HasCrtc(*resources, saved.crtc)) return false;
  CrtcSetting setting;
  setting.crtc = saved.crtc;
  setting.x = saved.x;
  setting.y = saved.y;
  setting.mode = saved.mode;
  setting.rotation = saved.rotation;
  setting.outputs.assign(saved.outputs.begin(), saved.outputs.end());
  const ScreenSize screen{saved.screenWidth, saved.screenHeight, saved.screenWidthMm,
                          saved.screenHeightMm};
  return ApplyCrtc(display, *resources, setting, screen);
}

}  // namespace vantiro::x11
