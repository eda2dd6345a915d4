// Gives an output of $DISPLAY an EDID block that names its monitor, as a
// real monitor's would, or takes the block away again:
//   vantiro_x11_set_edid OUTPUT "MONITOR NAME"
//   vantiro_x11_set_edid OUTPUT
// The property stays on the server after this program ends.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr std::size_t kNameDescriptor = 72;  // the second of the four descriptor slots

void BuildEdid(const std::string& name, unsigned char (&edid)[128]) {
  std::memset(edid, 0, sizeof edid);
  const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
  std::memcpy(edid, header, sizeof header);
  edid[18] = 1;  // EDID 1.4
  edid[19] = 4;
  unsigned char* descriptor = edid + kNameDescriptor;
  descriptor[3] = 0xFC;
  std::memset(descriptor + 5, ' ', 13);
  const std::size_t length = name.size() < 13 ? name.size() : 13;
  std::memcpy(descriptor + 5, name.data(), length);
  if (length < 13) descriptor[5 + length] = '\n';
  unsigned sum = 0;
  for (std::size_t index = 0; index < 127; ++index) sum += edid[index];
  edid[127] = static_cast<unsigned char>((256 - sum % 256) % 256);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT [MONITOR-NAME]\n", argv[0]);
    return 2;
  }
  std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display) {
    std::fprintf(stderr, "set_edid: cannot open the display\n");
    return 1;
  }
  const Window root = DefaultRootWindow(display.get());
  std::unique_ptr<XRRScreenResources, void (*)(XRRScreenResources*)> resources(
      XRRGetScreenResourcesCurrent(display.get(), root), XRRFreeScreenResources);
  const Atom edidAtom = XInternAtom(display.get(), RR_PROPERTY_RANDR_EDID, False);
  for (int index = 0; resources && index < resources->noutput; ++index) {
    const RROutput output = resources->outputs[index];
    std::unique_ptr<XRROutputInfo, void (*)(XRROutputInfo*)> info(
        XRRGetOutputInfo(display.get(), resources.get(), output), XRRFreeOutputInfo);
    if (!info || std::string(info->name, info->nameLen) != argv[1]) continue;
    if (argc == 3) {
      unsigned char edid[128];
      BuildEdid(argv[2], edid);
      XRRChangeOutputProperty(display.get(), output, edidAtom, XA_INTEGER, 8, PropModeReplace, edid,
                              sizeof edid);
    } else {
      XRRDeleteOutputProperty(display.get(), output, edidAtom);
    }
    XSync(display.get(), False);
    return 0;
  }
  std::fprintf(stderr, "set_edid: no output named %s\n", argv[1]);
  return 1;
}
