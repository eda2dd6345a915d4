#include "platform/x11/screen_snapshot.h"

#include <strings.h>

#include <cstring>
#include <optional>

#include "platform/x11/screen_reader.h"

namespace vantiro::x11 {

namespace {

constexpr const char* kDevicePrefix = "\\\\.\\";
constexpr std::size_t kDeviceNameCapacity = 31;  // the field's 32 bytes less the terminator

std::optional<ScreenState>& Snapshot() {
  static std::optional<ScreenState> snapshot;
  return snapshot;
}

}  // namespace

const ScreenState* Screen() {
  if (!Snapshot()) Snapshot() = ReadScreen();
  return Snapshot() ? &*Snapshot() : nullptr;
}

const ScreenState* FreshScreen() {
  Snapshot() = ReadScreen();
  return Snapshot() ? &*Snapshot() : nullptr;
}

std::string DeviceNameOf(const OutputState& output) {
  return (kDevicePrefix + output.name).substr(0, kDeviceNameCapacity);
}

const OutputState* FindOutput(const ScreenState& screen, const char* device) {
  const bool primary = device == nullptr || *device == '\0';
  for (const OutputState& output : screen.outputs) {
    if (primary ? output.primary : strcasecmp(DeviceNameOf(output).c_str(), device) == 0) {
      return &output;
    }
  }
  return nullptr;
}

}  // namespace vantiro::x11
