#include "reports/monitor_list.h"

#include <gmock/gmock.h>

#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

using memory::MakeAdapter;
using ::testing::ElementsAre;

constexpr DWORD kAttached = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
constexpr DWORD kAttachedPrimary =
    DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE;

class MonitorListTest : public MemoryPlatformTest {};

TEST_F(MonitorListTest, ListsAttachedAdaptersInEnumerationOrder) {
  platform.adapters = {
      MakeAdapter("\\\\.\\DISPLAY1", kAttached, {"Left Panel"}, {1280, 1024, 32, 75}),
      MakeAdapter("\\\\.\\DISPLAY2", kAttachedPrimary, {"Generic Non-PnP Monitor"},
                  {1920, 1200, 32, 60}),
  };
  EXPECT_EQ(MonitorReport(),
            "\"\\\\.\\DISPLAY1\" (\"Left Panel\") (1280 x 1024) 32 bpp, 75Hz\r\n"
            "\"\\\\.\\DISPLAY2\" (\"Generic Non-PnP Monitor\") (1920 x 1200) 32 bpp, 60Hz "
            "primary\r\n");
}

TEST_F(MonitorListTest, DetachedAdapterIsSkippedAndTheNextOneStillListed) {
  platform.adapters = {
      MakeAdapter("\\\\.\\DISPLAY1", kAttachedPrimary, {"A"}, {800, 600, 16, 60}),
      MakeAdapter("\\\\.\\DISPLAY2", 0, {"B"}, {800, 600, 16, 60}),
      MakeAdapter("\\\\.\\DISPLAY3", kAttached, {"C"}, {640, 480, 8, 60}),
  };
  EXPECT_EQ(MonitorReport(),
            "\"\\\\.\\DISPLAY1\" (\"A\") (800 x 600) 16 bpp, 60Hz primary\r\n"
            "\"\\\\.\\DISPLAY3\" (\"C\") (640 x 480) 8 bpp, 60Hz\r\n");
}

TEST_F(MonitorListTest, OnlyTheFirstMonitorIsNamedAndOnlyItIsAskedFor) {
  platform.adapters = {
      MakeAdapter("\\\\.\\DISPLAY1", kAttached, {"First", "Second"}, {1024, 768, 32, 60})};
  EXPECT_EQ(MonitorReport(), "\"\\\\.\\DISPLAY1\" (\"First\") (1024 x 768) 32 bpp, 60Hz\r\n");
  for (const memory::PlatformCall& call : platform.calls) {
    if (call.operation == memory::Operation::EnumDisplayDevices && call.device) {
      EXPECT_EQ(call.index, 0u);
    }
  }
}

TEST_F(MonitorListTest, AdapterWithoutMonitorHasNoDescription) {
  platform.adapters = {MakeAdapter("\\\\.\\DISPLAY1", kAttached, {}, {1024, 768, 32, 60})};
  EXPECT_EQ(MonitorReport(), "\"\\\\.\\DISPLAY1\" (1024 x 768) 32 bpp, 60Hz\r\n");
}

TEST_F(MonitorListTest, RatePieceOnlyForARealRate) {
  const struct {
    int refresh;
    const char* line;
  } cases[] = {
      {0, "\"D\" (\"M\") (800 x 600) 32 bpp\r\n"},
      {1, "\"D\" (\"M\") (800 x 600) 32 bpp\r\n"},
      {2, "\"D\" (\"M\") (800 x 600) 32 bpp, 2Hz\r\n"},
      {-60, "\"D\" (\"M\") (800 x 600) 32 bpp\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refresh);
    platform.adapters = {MakeAdapter("D", kAttached, {"M"}, {800, 600, 32, c.refresh})};
    EXPECT_EQ(MonitorReport(), c.line);
  }
}

TEST_F(MonitorListTest, ContextThatCannotBeMadeReadsAsZeros) {
  platform.adapters = {MakeAdapter("\\\\.\\DISPLAY1", kAttachedPrimary, {"M"}, {800, 600, 32, 60})};
  platform.createDcFails = true;
  EXPECT_EQ(MonitorReport(), "\"\\\\.\\DISPLAY1\" (\"M\") (0 x 0) 0 bpp primary\r\n");
}

TEST_F(MonitorListTest, EachContextIsReleasedBeforeTheNextAdapterIsQueried) {
  platform.adapters = {MakeAdapter("A", kAttached, {"M"}, {800, 600, 32, 60}),
                       MakeAdapter("B", kAttached, {"N"}, {800, 600, 32, 60})};
  MonitorReport();
  std::vector<std::string> calls;
  for (const memory::PlatformCall& call : platform.calls) calls.push_back(memory::Describe(call));
  EXPECT_THAT(
      calls,
      ElementsAre("EnumDisplayDevicesA(null, 0)", "EnumDisplayDevicesA(\"A\", 0)",
                  "CreateDCA(\"DISPLAY\", \"A\")", "GetDeviceCaps(0x1, 8)",
                  "GetDeviceCaps(0x1, 10)", "GetDeviceCaps(0x1, 12)", "GetDeviceCaps(0x1, 116)",
                  "DeleteDC(0x1)", "EnumDisplayDevicesA(null, 1)", "EnumDisplayDevicesA(\"B\", 0)",
                  "CreateDCA(\"DISPLAY\", \"B\")", "GetDeviceCaps(0x2, 8)",
                  "GetDeviceCaps(0x2, 10)", "GetDeviceCaps(0x2, 12)", "GetDeviceCaps(0x2, 116)",
                  "DeleteDC(0x2)", "EnumDisplayDevicesA(null, 2)"));
}

TEST_F(MonitorListTest, NoAdapterStillShowsTheEmptyReport) {
  ListMonitors(RunOptions{});
  ASSERT_EQ(platform.MessageBoxes().size(), 1u);
  EXPECT_EQ(platform.MessageBoxes()[0].text, "");
}

}  // namespace
}  // namespace vantiro
