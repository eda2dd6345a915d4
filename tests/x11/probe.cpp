// The program that the X11 suite has Vantiro start. It appends to the file
// named by VANTIRO_PROBE_REPORT what it found, one fact a line:
//   pid <process id>
//   mode <width>x<height>@<rate> screen <width>x<height>
//       the first connected output's CRTC mode and the screen size it sees
//   argument <hex bytes>          each argument after its own name, in order
//   ready                         it is waiting for signals (action "wait")
//   signal <number>               each signal it got while waiting
// and then does what VANTIRO_PROBE_ACTION asks:
//   exit=<n>  ends with status n (the default is 0)
//   segv      dies of SIGSEGV
//   wait      waits up to 30 s for SIGINT, SIGTERM or SIGHUP; after the first
//             one it notes any more that come within half a second, then ends.
//   wait-alone  the same in a process group of its own, out of reach of the
//             terminal's signals
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

std::ofstream report;

std::string Hex(const char* text) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte; ++byte) {
    hex += digits[*byte >> 4];
    hex += digits[*byte & 0xF];
  }
  return hex;
}

std::string SeenMode() {
  std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display) return "mode none (no display)";
  const Window root = DefaultRootWindow(display.get());
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display.get(), root);
  std::string seen = "mode none";
  for (int o = 0; resources != nullptr && o < resources->noutput; ++o) {
    XRROutputInfo* output = XRRGetOutputInfo(display.get(), resources, resources->outputs[o]);
    if (output != nullptr && output->connection == RR_Connected && output->crtc != None) {
      XRRCrtcInfo* crtc = XRRGetCrtcInfo(display.get(), resources, output->crtc);
      for (int m = 0; crtc != nullptr && m < resources->nmode; ++m) {
        const XRRModeInfo& mode = resources->modes[m];
        if (mode.id != crtc->mode) continue;
        const double dots = static_cast<double>(mode.hTotal) * mode.vTotal;
        const long rate = dots > 0 ? std::lround(mode.dotClock / dots) : 0;
        seen = "mode " + std::to_string(mode.width) + "x" + std::to_string(mode.height) + "@" +
               std::to_string(rate);
      }
      if (crtc != nullptr) XRRFreeCrtcInfo(crtc);
      XRRFreeOutputInfo(output);
      break;
    }
    if (output != nullptr) XRRFreeOutputInfo(output);
  }
  if (resources != nullptr) XRRFreeScreenResources(resources);
  Window unusedRoot;
  int x = 0, y = 0;
  unsigned width = 0, height = 0, border = 0, depth = 0;
  XGetGeometry(display.get(), root, &unusedRoot, &x, &y, &width, &height, &border, &depth);
  return seen + " screen " + std::to_string(width) + "x" + std::to_string(height);
}

int WaitForSignals() {
  sigset_t wanted;
  sigemptyset(&wanted);
  sigaddset(&wanted, SIGINT);
  sigaddset(&wanted, SIGTERM);
  sigaddset(&wanted, SIGHUP);
  sigprocmask(SIG_BLOCK, &wanted, nullptr);
  report << "ready" << std::endl;
  timespec limit{30, 0};
  int count = 0;
  for (;;) {
    const int signal = sigtimedwait(&wanted, nullptr, &limit);
    if (signal < 0) return count > 0 ? 0 : 4;  // no (further) signal in time
    report << "signal " << signal << std::endl;
    ++count;
    limit = timespec{0, 500'000'000};
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = std::getenv("VANTIRO_PROBE_REPORT");
  if (path == nullptr) {
    std::fprintf(stderr, "probe: VANTIRO_PROBE_REPORT is not set\n");
    return 125;
  }
  report.open(path, std::ios::app);
  report << "pid " << getpid() << '\n';
  report << SeenMode() << '\n';
  for (int index = 1; index < argc; ++index) report << "argument " << Hex(argv[index]) << '\n';
  report.flush();

  const char* action = std::getenv("VANTIRO_PROBE_ACTION");
  const std::string what = action == nullptr ? "" : action;
  if (what == "segv") {
    report.close();
    std::signal(SIGSEGV, SIG_DFL);
    std::raise(SIGSEGV);
    return 126;
  }
  if (what == "wait") return WaitForSignals();
  if (what == "wait-alone") {
    setpgid(0, 0);
    return WaitForSignals();
  }
  if (what.rfind("exit=", 0) == 0) return std::atoi(what.c_str() + 5);
  return 0;
}
