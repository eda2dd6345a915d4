#include "modes/mode_catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/modes/mode_values.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kPrimaryName = "\\\\.\\DISPLAY1";
constexpr const char* kSecondName = "\\\\.\\DISPLAY2";
constexpr std::uint32_t kAny = kAnyValue;

DEVMODEA Mode(DWORD width, DWORD height, DWORD depth, DWORD refresh) {
  return memory::MakeDevMode(width, height, depth, refresh);
}

DEVMODEA WithDisplayFlags(DEVMODEA mode, DWORD displayFlags) {
  mode.dmFields |= DM_DISPLAYFLAGS;
  mode.dmDisplayFlags = displayFlags;
  return mode;
}

class ModeCatalogueTest : public MemoryPlatformTest {
 protected:
  // Adds an adapter that offers `modes`, in that enumeration order.
  void AddAdapter(const char* name, DWORD stateFlags, std::vector<DEVMODEA> modes) {
    memory::Adapter adapter = memory::MakeAdapter(name, stateFlags, {"Monitor"}, {});
    adapter.modes = std::move(modes);
    platform.adapters.push_back(std::move(adapter));
  }
  void AddPrimary(std::vector<DEVMODEA> modes) {
    AddAdapter(kPrimaryName, DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE,
               std::move(modes));
  }

  // Every platform call must have been a mode enumeration for `device`, at
  // the indices 0 to `modeCount`, the last one answered with zero.
  void ExpectEnumerationCalls(const char* device, std::size_t modeCount) {
    ASSERT_EQ(platform.calls.size(), modeCount + 1);
    for (std::size_t index = 0; index <= modeCount; ++index) {
      const memory::PlatformCall& call = platform.calls[index];
      SCOPED_TRACE(memory::Describe(call));
      EXPECT_EQ(call.operation, memory::Operation::EnumDisplaySettings);
      EXPECT_EQ(call.index, index);
      if (device == nullptr) {
        EXPECT_FALSE(call.device.has_value());
      } else {
        EXPECT_EQ(call.device, std::string(device));
      }
      EXPECT_EQ(call.result != 0, index < modeCount);
    }
  }

  DisplayModeList list;
};

TEST_F(ModeCatalogueTest, SortsTheModesAndDropsRepeatedOnes) {
  AddPrimary({Mode(640, 480, 8, 60), Mode(800, 600, 32, 75),
              WithDisplayFlags(Mode(640, 480, 8, 60), 0x2), Mode(800, 600, 16, 60)});

  EnumerateModes(list, nullptr);

  EXPECT_THAT(MatchValuesOf(list),
              ElementsAre(ModeValues{640, 480, 8, 60}, ModeValues{800, 600, 16, 60},
                          ModeValues{800, 600, 32, 75}));
}

TEST_F(ModeCatalogueTest, KeepsRefreshRatesZeroAndOneApart) {
  AddPrimary({Mode(1024, 768, 32, 1), Mode(1024, 768, 32, 0), Mode(1024, 768, 32, 1)});

  EnumerateModes(list, nullptr);

  EXPECT_THAT(MatchValuesOf(list),
              ElementsAre(ModeValues{1024, 768, 32, 0}, ModeValues{1024, 768, 32, 1}));
}

TEST_F(ModeCatalogueTest, OrdersByWidthHeightDepthAndRefreshAsUnsignedNumbers) {
  constexpr std::uint32_t kHalf = 2147483648u;
  AddPrimary({Mode(kHalf, 600, 32, 60), Mode(kAny, 1, 1, 1), Mode(800, 600, 32, kHalf),
              Mode(kHalf - 1, 600, 32, 60), Mode(800, 768, 8, 60), Mode(800, 600, 32, 85),
              Mode(800, 600, 16, 100)});

  EnumerateModes(list, nullptr);

  EXPECT_THAT(MatchValuesOf(list),
              ElementsAre(ModeValues{800, 600, 16, 100}, ModeValues{800, 600, 32, 85},
                          ModeValues{800, 600, 32, kHalf}, ModeValues{800, 768, 8, 60},
                          ModeValues{kHalf - 1, 600, 32, 60}, ModeValues{kHalf, 600, 32, 60},
                          ModeValues{kAny, 1, 1, 1}));
}

// Repeats far apart in the enumeration, as a driver lists a size once per
// scaling or interlace variant.
TEST_F(ModeCatalogueTest, KeepsExactlyOneOfEveryDistinctModeAmongManyRepeats) {
  std::mt19937 random(20240611);
  const std::uint32_t widths[] = {640, 800, 1024, 1280};
  const std::uint32_t heights[] = {480, 600, 768};
  const std::uint32_t depths[] = {8, 16, 32};
  const std::uint32_t rates[] = {0, 1, 60, 75};
  std::vector<DEVMODEA> reported;
  std::set<ModeValues> distinct;
  for (int count = 0; count < 3000; ++count) {
    const ModeValues values{widths[random() % 4], heights[random() % 3], depths[random() % 3],
                            rates[random() % 4]};
    reported.push_back(WithDisplayFlags(Mode(values[0], values[1], values[2], values[3]),
                                        static_cast<DWORD>(count)));
    distinct.insert(values);
  }
  AddPrimary(reported);

  EnumerateModes(list, nullptr);

  EXPECT_EQ(MatchValuesOf(list), std::vector<ModeValues>(distinct.begin(), distinct.end()));
}

// The later record is the pattern: its wildcard field matches the mode that
// stayed before it, while the next real mode is compared with that one again.
TEST_F(ModeCatalogueTest, ARepeatWithAWildcardFieldFoldsIntoTheModeBeforeIt) {
  AddPrimary({Mode(640, 480, 8, kAny), Mode(640, 480, 16, 60), Mode(640, 480, 8, 60)});

  EnumerateModes(list, nullptr);

  EXPECT_THAT(MatchValuesOf(list),
              ElementsAre(ModeValues{640, 480, 8, 60}, ModeValues{640, 480, 16, 60}));
}

TEST_F(ModeCatalogueTest, EveryRecordCarriesTheStandardHeaderAndThePlatformData) {
  std::vector<DEVMODEA> reported = {Mode(1280, 1024, 32, 60), Mode(640, 480, 8, 60),
                                    Mode(800, 600, 16, 75)};
  for (std::size_t index = 0; index < reported.size(); ++index) {
    DEVMODEA& mode = reported[index];
    SetTag(mode, "mode " + std::to_string(mode.dmPelsWidth));
    mode.dmSpecVersion = 0x0401;
    mode.dmDriverVersion = 0x0300;
    mode.dmSize = 220;
    mode.dmDriverExtra = 64;
    mode.dmFields = index == 0 ? 0 : (mode.dmFields | DM_POSITION | DM_DISPLAYFLAGS);
    mode.dmPosition = POINTL{static_cast<LONG>(index) - 1, 10};
    mode.dmDisplayFlags = 0x2;
  }
  AddPrimary(reported);

  EnumerateModes(list, nullptr);

  ASSERT_EQ(list.size(), 3u);
  for (const DisplayMode& mode : list) {
    SCOPED_TRACE(::testing::PrintToString(mode));
    EXPECT_EQ(mode.dmSpecVersion, 0);
    EXPECT_EQ(mode.dmDriverVersion, 0);
    EXPECT_EQ(mode.dmSize, 156);
    EXPECT_EQ(mode.dmDriverExtra, 0);
    EXPECT_EQ(mode.dmFields, 0x005C0000u);
    EXPECT_EQ(PlatformValuesOf(mode), MatchValuesOf(mode));
    EXPECT_EQ(TagOf(mode), "mode " + std::to_string(mode.width));
    EXPECT_EQ(mode.dmDisplayFlags, 0x2u);
    EXPECT_EQ(mode.dmPosition.y, 10);
  }
}

TEST_F(ModeCatalogueTest, AsksForEveryIndexOfThePrimaryDisplayOnceThenStops) {
  AddPrimary({Mode(800, 600, 32, 60), Mode(640, 480, 8, 60), Mode(1024, 768, 32, 60)});

  EnumerateModes(list, nullptr);

  ExpectEnumerationCalls(nullptr, 3);
  EXPECT_EQ(list.size(), 3u);
}

TEST_F(ModeCatalogueTest, AsksTheNamedDeviceAndListsOnlyItsModes) {
  AddPrimary({Mode(640, 480, 8, 60)});
  AddAdapter(kSecondName, DISPLAY_DEVICE_ATTACHED_TO_DESKTOP,
             {Mode(1920, 1080, 32, 60), Mode(1280, 720, 32, 60)});

  EnumerateModes(list, kSecondName);

  ExpectEnumerationCalls(kSecondName, 2);
  EXPECT_THAT(MatchValuesOf(list),
              ElementsAre(ModeValues{1280, 720, 32, 60}, ModeValues{1920, 1080, 32, 60}));
}

TEST_F(ModeCatalogueTest, ADeviceWithoutModesGivesAnEmptyCatalogueSilently) {
  AddPrimary({});

  EnumerateModes(list, nullptr);

  EXPECT_THAT(list, IsEmpty());
  ExpectEnumerationCalls(nullptr, 0);
}

TEST_F(ModeCatalogueTest, AnUnknownDeviceGivesAnEmptyCatalogueSilently) {
  AddPrimary({Mode(640, 480, 8, 60)});

  EnumerateModes(list, "\\\\.\\DISPLAY9");

  EXPECT_THAT(list, IsEmpty());
  ExpectEnumerationCalls("\\\\.\\DISPLAY9", 0);
}

}  // namespace
}  // namespace vantiro
