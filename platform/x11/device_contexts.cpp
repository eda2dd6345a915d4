// Device contexts: a snapshot of a device's current mode, taken when the
// context is made, in a table that DeleteDC empties.
#include <cstdint>
#include <map>

#include "platform/platform.h"
#include "platform/x11/screen_snapshot.h"

namespace vantiro::platform {

namespace {

struct Capabilities {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  int refresh = 0;
};

struct ContextTable {
  std::uintptr_t lastNumber = 0;
  std::map<std::uintptr_t, Capabilities> contexts;
};

ContextTable& Contexts() {
  static ContextTable table;
  return table;
}

std::uintptr_t NumberOf(HDC context) { return reinterpret_cast<std::uintptr_t>(context); }

}  // namespace

HDC CreateDCA(const char* /*driver*/, const char* device, const char* /*output*/,
              const DEVMODEA* /*initialisation*/) {
  const x11::ScreenState* screen = x11::Screen();
  if (screen == nullptr) return nullptr;
  const x11::OutputState* output = x11::FindOutput(*screen, device);
  if (output == nullptr) return nullptr;

  Capabilities capabilities;
  capabilities.width = static_cast<int>(output->current.width);
  capabilities.height = static_cast<int>(output->current.height);
  capabilities.bitsPerPixel = static_cast<int>(screen->bitsPerPixel);
  capabilities.refresh = static_cast<int>(output->current.refresh);
  ContextTable& table = Contexts();
  const std::uintptr_t number = ++table.lastNumber;
  table.contexts.emplace(number, capabilities);
  return reinterpret_cast<HDC>(number);
}

int GetDeviceCaps(HDC context, int index) {
  const auto& contexts = Contexts().contexts;
  const auto found = contexts.find(NumberOf(context));
  if (found == contexts.end()) return 0;
  switch (index) {
    case HORZRES: return found->second.width;
    case VERTRES: return found->second.height;
    case BITSPIXEL: return found->second.bitsPerPixel;
    case VREFRESH: return found->second.refresh;
    default: return 0;
  }
}

BOOL DeleteDC(HDC context) {
  return Contexts().contexts.erase(NumberOf(context)) != 0 ? TRUE : FALSE;
}

}  // namespace vantiro::platform
