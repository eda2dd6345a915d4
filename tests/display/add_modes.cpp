// Adds a fixed set of display modes to the first connected RandR output of
// $DISPLAY, prints one line when they are in place, and keeps its connection
// open until SIGTERM (or SIGINT) arrives or its standard input closes: the X
// server drops a client's added modes when that client disconnects.
//
//   vantiro_add_modes [EXTRA_COUNT]
//
// EXTRA_COUNT (0 unless given) more modes follow the fixed set, for
// measurements that need a long mode list: sizes from 1004 x 753 upwards,
// none of them one of the fixed sizes, at eight rates each.
//
// The blanking follows the VESA coordinated video timings; the dot clock is
// then chosen so that dot clock / (horizontal total x vertical total) is the
// nominal rate exactly (the standard's 0.25 MHz clock step would put
// 640 x 480 at 59.38 Hz, which rounds to 59).

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct RequestedMode {
  unsigned width;
  unsigned height;
  unsigned refresh;
};

// Sizes on both sides of 800 x 600 (the mode list leaves out smaller ones),
// some with two rates.
constexpr RequestedMode kModes[] = {
    {640, 480, 60},  {800, 600, 60},   {800, 600, 75},   {1024, 768, 60},
    {1024, 768, 75}, {1280, 1024, 60}, {1600, 1200, 60}, {1920, 1200, 60},
};

constexpr unsigned kExtraRates[] = {50, 56, 60, 70, 72, 75, 85, 100};
constexpr unsigned long kMaxExtraCount = 10000;

struct Timings {
  unsigned long dotClock;
  unsigned hSyncStart, hSyncEnd, hTotal;
  unsigned vSyncStart, vSyncEnd, vTotal;
};

// Vertical sync width by aspect ratio, as the timing standard fixes it.
unsigned VerticalSyncLines(unsigned width, unsigned height) {
  if (width * 3 == height * 4) return 4;
  if (width * 9 == height * 16) return 5;
  if (width * 10 == height * 16) return 6;
  if (width * 4 == height * 5 || width * 9 == height * 15) return 7;
  return 10;
}

Timings CoordinatedTimings(const RequestedMode& mode) {
  constexpr double kMinVSyncAndBackPorchMicroseconds = 550.0;
  constexpr unsigned kMinVFrontPorch = 3;
  constexpr unsigned kMinVBackPorch = 6;
  constexpr double kCPrime = 30.0;  // blanking formula gradient terms
  constexpr double kMPrime = 300.0;
  constexpr unsigned kCellGranularity = 8;

  const unsigned hPixels = mode.width / kCellGranularity * kCellGranularity;
  const unsigned vLines = mode.height;
  const unsigned vSync = VerticalSyncLines(mode.width, mode.height);

  const double hPeriodMicroseconds =
      (1e6 / mode.refresh - kMinVSyncAndBackPorchMicroseconds) / (vLines + kMinVFrontPorch);
  unsigned vSyncAndBackPorch =
      static_cast<unsigned>(kMinVSyncAndBackPorchMicroseconds / hPeriodMicroseconds) + 1;
  if (vSyncAndBackPorch < vSync + kMinVBackPorch) vSyncAndBackPorch = vSync + kMinVBackPorch;

  double dutyCycle = kCPrime - kMPrime * hPeriodMicroseconds / 1000.0;
  if (dutyCycle < 20.0) dutyCycle = 20.0;
  const unsigned hBlank =
      static_cast<unsigned>(hPixels * dutyCycle / (100.0 - dutyCycle) / (2 * kCellGranularity)) *
      2 * kCellGranularity;
  const unsigned hTotal = hPixels + hBlank;
  const unsigned hSync = static_cast<unsigned>(0.08 * hTotal / kCellGranularity) * kCellGranularity;

  Timings timings{};
  timings.hSyncEnd = hPixels + hBlank / 2;
  timings.hSyncStart = timings.hSyncEnd - hSync;
  timings.hTotal = hTotal;
  timings.vSyncStart = vLines + kMinVFrontPorch;
  timings.vSyncEnd = timings.vSyncStart + vSync;
  timings.vTotal = vLines + kMinVFrontPorch + vSyncAndBackPorch;
  timings.dotClock = static_cast<unsigned long>(timings.hTotal) * timings.vTotal * mode.refresh;
  return timings;
}

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
struct ResourcesFree {
  void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct OutputInfoFree {
  void operator()(XRROutputInfo* info) const { XRRFreeOutputInfo(info); }
};

using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;
using ResourcesHandle = std::unique_ptr<XRRScreenResources, ResourcesFree>;
using OutputInfoHandle = std::unique_ptr<XRROutputInfo, OutputInfoFree>;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

// Installed without SA_RESTART so that the signal interrupts poll().
void InstallStopHandlers() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

// The extra mode `index`: 4:3 sizes whose width is never a multiple of 8, so
// that none is one of the fixed sizes.
RequestedMode ExtraMode(unsigned long index) {
  constexpr unsigned long kRateCount = sizeof kExtraRates / sizeof kExtraRates[0];
  const auto width = static_cast<unsigned>(1004 + 8 * (index / kRateCount));
  return {width, width * 3 / 4, kExtraRates[index % kRateCount]};
}

// Adds one mode to `output`; false (with a message) when RandR refuses it.
bool AddMode(Display* display, Window root, RROutput output, const RequestedMode& mode) {
  const Timings timings = CoordinatedTimings(mode);
  char name[32];
  std::snprintf(name, sizeof name, "%ux%u_%u", mode.width, mode.height, mode.refresh);
  XRRModeInfo info{};
  info.width = mode.width;
  info.height = mode.height;
  info.dotClock = timings.dotClock;
  info.hSyncStart = timings.hSyncStart;
  info.hSyncEnd = timings.hSyncEnd;
  info.hTotal = timings.hTotal;
  info.vSyncStart = timings.vSyncStart;
  info.vSyncEnd = timings.vSyncEnd;
  info.vTotal = timings.vTotal;
  info.name = name;
  info.nameLength = static_cast<unsigned>(std::strlen(name));
  info.modeFlags = RR_HSyncNegative | RR_VSyncPositive;
  const RRMode created = XRRCreateMode(display, root, &info);
  if (created == 0) {
    std::fprintf(stderr, "vantiro_add_modes: cannot create mode %s\n", name);
    return false;
  }
  XRRAddOutputMode(display, output, created);
  return true;
}

// Adds the fixed set, then `extraCount` extra modes.
bool AddModes(Display* display, Window root, RROutput output, unsigned long extraCount) {
  for (const RequestedMode& mode : kModes) {
    if (!AddMode(display, root, output, mode)) return false;
  }
  for (unsigned long index = 0; index < extraCount; ++index) {
    if (!AddMode(display, root, output, ExtraMode(index))) return false;
  }
  XSync(display, False);
  return true;
}

// Waits until asked to stop: a signal, end of input, or the server going away.
void WaitForStop(Display* display) {
  pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
  while (!stopRequested) {
    if (poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      char buffer[256];
      const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
      if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN)) return;
    }
    if (watched[1].revents & (POLLHUP | POLLERR)) return;
    if (watched[1].revents & POLLIN) {
      // Drains events; Xlib ends the process itself if the server is gone.
      while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
      }
    }
  }
}

int Run(unsigned long extraCount) {
  InstallStopHandlers();
  DisplayHandle display(XOpenDisplay(nullptr));
  if (!display) {
    std::fprintf(stderr, "vantiro_add_modes: cannot open display \"%s\"\n",
                 std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
    return 1;
  }
  const Window root = DefaultRootWindow(display.get());
  ResourcesHandle resources(XRRGetScreenResources(display.get(), root));
  if (!resources) {
    std::fprintf(stderr, "vantiro_add_modes: the display has no RandR screen resources\n");
    return 1;
  }
  for (int index = 0; index < resources->noutput; ++index) {
    const RROutput output = resources->outputs[index];
    OutputInfoHandle info(XRRGetOutputInfo(display.get(), resources.get(), output));
    if (!info || info->connection != RR_Connected) continue;
    if (!AddModes(display.get(), root, output, extraCount)) return 1;
    std::printf("modes added to output %.*s\n", info->nameLen, info->name);
    std::fflush(stdout);
    WaitForStop(display.get());
    return 0;
  }
  std::fprintf(stderr, "vantiro_add_modes: no connected output\n");
  return 1;
}

// EXTRA_COUNT: a plain decimal number up to kMaxExtraCount, or false.
bool ParseExtraCount(const char* text, unsigned long& count) {
  if (text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  count = std::strtoul(text, &end, 10);
  return *end == '\0' && errno == 0 && count <= kMaxExtraCount;
}

}  // namespace

int main(int argc, char** argv) {
  unsigned long extraCount = 0;
  if (argc > 2 || (argc == 2 && !ParseExtraCount(argv[1], extraCount))) {
    std::fprintf(stderr, "usage: vantiro_add_modes [EXTRA_COUNT, 0 to %lu]\n", kMaxExtraCount);
    return 2;
  }
  return Run(extraCount);
}
