#include "modes/mode_catalogue.h"

#include <algorithm>
#include <cstddef>

#include "platform/platform.h"

namespace vantiro {

namespace {

// Indices from here on are ENUM_REGISTRY_SETTINGS and ENUM_CURRENT_SETTINGS,
// which name the stored and the current mode, not a mode of the list.
constexpr DWORD kFirstSpecialModeIndex = 0xFFFFFFFE;

// Enough for the mode list of an ordinary adapter in one allocation.
constexpr std::size_t kUsualModeCount = 256;

}  // namespace

void EnumerateModes(DisplayModeList& list, const char* device) {
  // One record for every call: the platform fills it anew each time, and the
  // header it needs stays as we set it here.
  DEVMODEA record{};
  record.dmSize = sizeof(DEVMODEA);
  record.dmDriverExtra = 0;

  list.reserve(list.size() + kUsualModeCount);
  for (DWORD index = 0; index < kFirstSpecialModeIndex; ++index) {
    if (platform::EnumDisplaySettingsA(device, index, &record) == FALSE) break;
    list.emplace_back(record);
  }

  std::sort(list.begin(), list.end());
  // The record that stayed is the one tested, the later one the pattern.
  const auto duplicatesBegin =
      std::unique(list.begin(), list.end(),
                  [](const DisplayMode& kept, const DisplayMode& later) { return kept == later; });
  list.erase(duplicatesBegin, list.end());
}

}  // namespace vantiro
