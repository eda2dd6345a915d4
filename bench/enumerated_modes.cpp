#include "bench/enumerated_modes.h"

#include <algorithm>
#include <cstdint>
#include <random>

#include "platform/memory/memory_platform.h"

namespace vantiro::bench {

namespace {

constexpr DWORD kDepths[] = {8, 16, 24, 32};
constexpr DWORD kRates[] = {50, 56, 60, 72, 75, 85, 100, 120};
constexpr std::size_t kModesPerResolution = std::size(kDepths) * std::size(kRates);
constexpr std::size_t kWidthsPerHeight = 16;

// A fixed seed: the shuffled order is part of the benchmark's input.
constexpr std::uint32_t kShuffleSeed = 20240607;

// DM_INTERLACED, which the portable records leave out: the second copy of a
// mode differs from the first only here.
constexpr DWORD kInterlacedFlag = 0x00000002;

DEVMODEA DistinctMode(std::size_t index) {
  const std::size_t resolution = index / kModesPerResolution;
  const std::size_t within = index % kModesPerResolution;
  // Widths cycle fastest, so even the smallest list reaches past 800 x 600.
  const auto width = static_cast<DWORD>(640 + 160 * (resolution % kWidthsPerHeight));
  const auto height = static_cast<DWORD>(600 + 4 * (resolution / kWidthsPerHeight));
  return memory::MakeDevMode(width, height, kDepths[within / std::size(kRates)],
                             kRates[within % std::size(kRates)]);
}

}  // namespace

std::vector<DEVMODEA> EnumeratedModes(std::size_t count) {
  const std::size_t distinct = count / 2;
  std::vector<DEVMODEA> modes;
  modes.reserve(2 * distinct);
  for (std::size_t index = 0; index < distinct; ++index) {
    DEVMODEA mode = DistinctMode(index);
    mode.dmFields |= DM_DISPLAYFLAGS;
    mode.dmDisplayFlags = 0;
    modes.push_back(mode);
    mode.dmDisplayFlags = kInterlacedFlag;
    modes.push_back(mode);
  }
  std::mt19937 generator(kShuffleSeed);
  std::shuffle(modes.begin(), modes.end(), generator);
  return modes;
}

void SeedMemoryPlatform(const std::vector<DEVMODEA>& modes) {
  auto& platform = memory::TheMemoryPlatform();
  platform = memory::MemoryPlatform{};
  platform.keepLog = false;
  memory::Adapter adapter;
  adapter.deviceName = "\\\\.\\DISPLAY1";
  adapter.stateFlags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE;
  adapter.modes = modes;
  platform.adapters.push_back(std::move(adapter));
}

}  // namespace vantiro::bench
