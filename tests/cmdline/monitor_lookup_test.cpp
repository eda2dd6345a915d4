#include "cmdline/monitor_lookup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

using memory::MakeAdapter;
using memory::Operation;
using ::testing::ElementsAre;

constexpr DWORD kAttached = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
constexpr DWORD kDetached = 0;

class MonitorLookupTest : public MemoryPlatformTest {
 protected:
  void SetUp() override {
    MemoryPlatformTest::SetUp();
    platform.adapters = {
        MakeAdapter("\\\\.\\DISPLAY1", kAttached | DISPLAY_DEVICE_PRIMARY_DEVICE,
                    {"Generic PnP Monitor"}, {1920, 1080, 32, 60}),
        MakeAdapter("\\\\.\\DISPLAY2", kDetached, {"Spare Panel"}, {}),
        MakeAdapter("\\\\.\\DISPLAY3", kAttached, {"Left Panel", "Right Panel"}, {}),
        MakeAdapter("\\\\.\\DISPLAY4", kAttached, {"Left Panel"}, {}),
    };
  }

  // The EnumDisplayDevicesA calls, as "device, index" with flags checked.
  std::vector<std::string> DeviceQueries() const {
    std::vector<std::string> queries;
    for (const memory::PlatformCall& call : platform.calls) {
      if (call.operation != Operation::EnumDisplayDevices) continue;
      EXPECT_EQ(call.flags, 0u);
      queries.push_back(call.device.value_or("null") + ", " + std::to_string(call.index));
    }
    return queries;
  }
};

TEST_F(MonitorLookupTest, FirstAdapterWhoseFirstMonitorMatchesWins) {
  EXPECT_EQ(FindMonitorDevice("Left Panel"), "\\\\.\\DISPLAY3");
  // Adapters in index order, each attached one's first monitor, stopping at
  // the match; the detached adapter's monitor is never asked for.
  EXPECT_THAT(DeviceQueries(), ElementsAre("null, 0", "\\\\.\\DISPLAY1, 0", "null, 1", "null, 2",
                                           "\\\\.\\DISPLAY3, 0"));
}

TEST_F(MonitorLookupTest, NoMatchEnumeratesUntilThePlatformSaysNo) {
  EXPECT_EQ(FindMonitorDevice("Nowhere"), "");
  EXPECT_THAT(DeviceQueries(),
              ElementsAre("null, 0", "\\\\.\\DISPLAY1, 0", "null, 1", "null, 2",
                          "\\\\.\\DISPLAY3, 0", "null, 3", "\\\\.\\DISPLAY4, 0", "null, 4"));
}

struct LookupCase {
  const char* description;
  const char* expected;
};

void PrintTo(const LookupCase& lookup, std::ostream* out) {
  *out << '"' << lookup.description << "\" -> \"" << lookup.expected << '"';
}

class MonitorDescriptionTest : public MonitorLookupTest,
                               public ::testing::WithParamInterface<LookupCase> {};

TEST_P(MonitorDescriptionTest, MatchesOnlyTheWholeDescriptionExactly) {
  EXPECT_EQ(FindMonitorDevice(GetParam().description), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, MonitorDescriptionTest,
    ::testing::Values(LookupCase{"Generic PnP Monitor", "\\\\.\\DISPLAY1"},
                      // Letter case counts.
                      LookupCase{"left panel", ""}, LookupCase{"LEFT PANEL", ""},
                      // Whole text only.
                      LookupCase{"Left", ""}, LookupCase{"Left Panel ", ""},
                      LookupCase{" Left Panel", ""},
                      // Second monitors and detached adapters are never matched.
                      LookupCase{"Right Panel", ""}, LookupCase{"Spare Panel", ""},
                      // The adapter's own device name or description is no monitor.
                      LookupCase{"\\\\.\\DISPLAY1", ""}, LookupCase{"Memory Display Adapter", ""},
                      LookupCase{"", ""}));

TEST_F(MonitorLookupTest, EmptyDescriptionMatchesOnlyAnEmptyFirstMonitor) {
  platform.adapters.push_back(MakeAdapter("\\\\.\\DISPLAY5", kAttached, {"", "Other"}, {}));
  EXPECT_EQ(FindMonitorDevice(""), "\\\\.\\DISPLAY5");
}

TEST_F(MonitorLookupTest, AdapterWithoutMonitorIsPassedOver) {
  platform.adapters = {
      MakeAdapter("\\\\.\\DISPLAY1", kAttached, {}, {}),
      MakeAdapter("\\\\.\\DISPLAY2", kAttached, {"Left Panel"}, {}),
  };
  // An empty description does not match the monitor that is not there.
  EXPECT_EQ(FindMonitorDevice(""), "");
  EXPECT_EQ(FindMonitorDevice("Left Panel"), "\\\\.\\DISPLAY2");
}

TEST_F(MonitorLookupTest, NoAdaptersFindsNothing) {
  platform.adapters.clear();
  EXPECT_EQ(FindMonitorDevice("Left Panel"), "");
  EXPECT_THAT(DeviceQueries(), ElementsAre("null, 0"));
}

TEST_F(MonitorLookupTest, SelectedDeviceNameIsNullForThePrimaryDisplay) {
  RunOptions options;
  EXPECT_EQ(SelectedDeviceName(options), nullptr);
  options.deviceName = "\\\\.\\DISPLAY3";
  EXPECT_STREQ(SelectedDeviceName(options), "\\\\.\\DISPLAY3");
  EXPECT_EQ(SelectedDeviceName(options), options.deviceName.c_str());
}

}  // namespace
}  // namespace vantiro
