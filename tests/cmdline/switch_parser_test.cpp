#include "cmdline/switch_parser.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cmdline/monitor_lookup.h"
#include "tests/cmdline/run_options_text.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

using memory::ArgumentVector;
using memory::MakeAdapter;
using memory::Operation;

constexpr DWORD kAttached = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;

// --- Keyword recognition -------------------------------------------------

struct KeywordCase {
  const char* switchText;
  void (*expect)(RunOptions&);  // what the switch changes in fresh options
};

void PrintTo(const KeywordCase& keyword, std::ostream* out) {
  *out << '"' << keyword.switchText << '"';
}

void NoChange(RunOptions&) {}

class ApplySwitchTest : public MemoryPlatformTest,
                        public ::testing::WithParamInterface<KeywordCase> {};

TEST_P(ApplySwitchTest, ChangesOnlyWhatTheKeywordNames) {
  RunOptions options;
  ApplySwitch(GetParam().switchText, options);
  RunOptions expected;
  GetParam().expect(expected);
  EXPECT_EQ(OptionsText(options), OptionsText(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, ApplySwitchTest,
    ::testing::Values(KeywordCase{"listmonitors", [](RunOptions& o) { o.listMonitors = true; }},
                      KeywordCase{"LISTMONITORS", [](RunOptions& o) { o.listMonitors = true; }},
                      // Never reaches the "monitor" row, whatever follows.
                      KeywordCase{"listmonitors=\\\\.\\DISPLAY2",
                                  [](RunOptions& o) { o.listMonitors = true; }},
                      KeywordCase{"MONITOR=\\\\.\\DISPLAY2",
                                  [](RunOptions& o) { o.deviceName = "\\\\.\\DISPLAY2"; }},
                      KeywordCase{"listmodes", [](RunOptions& o) { o.listModes = true; }},
                      KeywordCase{"ListModes", [](RunOptions& o) { o.listModes = true; }},
                      KeywordCase{"width=800", [](RunOptions& o) { o.width = 800; }},
                      KeywordCase{"WIDTH=800", [](RunOptions& o) { o.width = 800; }},
                      KeywordCase{"widthX=1024", [](RunOptions& o) { o.width = 1024; }},
                      KeywordCase{"height=600", [](RunOptions& o) { o.height = 600; }},
                      KeywordCase{"Depth=max", [](RunOptions& o) { o.depth = kMaxValue; }},
                      KeywordCase{"refresh=75", [](RunOptions& o) { o.refresh = 75; }},
                      KeywordCase{"refreshrate=60", [](RunOptions& o) { o.refresh = 60; }},
                      KeywordCase{"test", [](RunOptions& o) { o.test = true; }},
                      KeywordCase{"test=no", [](RunOptions& o) { o.test = true; }},
                      KeywordCase{"testing", [](RunOptions& o) { o.test = true; }},
                      KeywordCase{"Force", [](RunOptions& o) { o.force = true; }},
                      KeywordCase{"QUIET", [](RunOptions& o) { o.quiet = true; }},
                      // Nothing matches: a doubled lead character, unknown words, a keyword
                      // cut short, a keyword not at the start.
                      KeywordCase{"-width=800", NoChange}, KeywordCase{"help", NoChange},
                      KeywordCase{"?", NoChange}, KeywordCase{"", NoChange},
                      KeywordCase{"widt=800", NoChange}, KeywordCase{"listmode", NoChange},
                      KeywordCase{"tes", NoChange}, KeywordCase{" width=800", NoChange},
                      KeywordCase{"xwidth=800", NoChange}));

class SwitchParserTest : public MemoryPlatformTest {
 protected:
  RunOptions Parse(std::vector<std::string> arguments) {
    ArgumentVector vector(std::move(arguments));
    RunOptions options;
    ParseArguments(vector.Count(), vector.Vector(), options);
    return options;
  }
};

TEST_F(SwitchParserTest, NullSwitchTextChangesNothing) {
  RunOptions options;
  ApplySwitch(nullptr, options);
  EXPECT_EQ(OptionsText(options), OptionsText(RunOptions{}));
}

// --- Argument walk -------------------------------------------------------

TEST_F(SwitchParserTest, NoArgumentsLeaveEveryFieldAtItsStartValue) {
  EXPECT_EQ(OptionsText(Parse({})), OptionsText(RunOptions{}));
  EXPECT_EQ(OptionsText(Parse({"vantiro.exe"})), OptionsText(RunOptions{}));
}

TEST_F(SwitchParserTest, ArgumentZeroIsNeverExamined) {
  EXPECT_EQ(OptionsText(Parse({"-width=800"})), OptionsText(RunOptions{}));
}

TEST_F(SwitchParserTest, AppliesEverySwitchWithEitherLeadCharacter) {
  const RunOptions options =
      Parse({"vantiro.exe", "-width=800", "/HEIGHT=600", "-depth=max", "/refresh=75", "-test",
             "/force", "-quiet", "/listmodes", "-listmonitors"});
  RunOptions expected;
  expected.width = 800;
  expected.height = 600;
  expected.depth = kMaxValue;
  expected.refresh = 75;
  expected.test = expected.force = expected.quiet = expected.listModes = expected.listMonitors =
      true;
  EXPECT_EQ(OptionsText(options), OptionsText(expected));
}

TEST_F(SwitchParserTest, StopsAtTheFirstArgumentThatIsNotASwitch) {
  const RunOptions options =
      Parse({"vantiro.exe", "-width=800", "notepad.exe", "-height=600", "/quiet"});
  RunOptions expected;
  expected.width = 800;
  EXPECT_EQ(OptionsText(options), OptionsText(expected));
}

TEST_F(SwitchParserTest, ProgramFirstMeansNoSwitchIsApplied) {
  EXPECT_EQ(OptionsText(Parse({"vantiro.exe", "notepad.exe", "-width=800"})),
            OptionsText(RunOptions{}));
}

TEST_F(SwitchParserTest, EmptyArgumentStopsTheWalk) {
  EXPECT_EQ(OptionsText(Parse({"vantiro.exe", "", "-width=800"})), OptionsText(RunOptions{}));
}

TEST_F(SwitchParserTest, IgnoredSwitchesDoNotStopTheWalk) {
  const RunOptions options =
      Parse({"vantiro.exe", "--width=800", "-help", "-", "/", "-height=600"});
  RunOptions expected;
  expected.height = 600;
  EXPECT_EQ(OptionsText(options), OptionsText(expected));
}

TEST_F(SwitchParserTest, RepeatedValueSwitchLeavesTheLastValue) {
  EXPECT_EQ(Parse({"vantiro.exe", "-width=800", "-width=1024"}).width, 1024u);
  // Even when the last one reads as "not given".
  EXPECT_EQ(Parse({"vantiro.exe", "-width=800", "-width=abc"}).width, 0u);
  EXPECT_EQ(Parse({"vantiro.exe", "-refresh=max", "-refresh"}).refresh, 0u);
}

TEST_F(SwitchParserTest, FlagsOnceSetAreNeverCleared) {
  const RunOptions options =
      Parse({"vantiro.exe", "-test", "-test=0", "-quiet", "-quiet=false", "-TEST=off"});
  EXPECT_TRUE(options.test);
  EXPECT_TRUE(options.quiet);
}

TEST_F(SwitchParserTest, NegativeCountAndNullVectorDoNothing) {
  ArgumentVector vector({"vantiro.exe", "-width=800"});
  RunOptions options;
  ParseArguments(-1, vector.Vector(), options);
  ParseArguments(2, nullptr, options);
  EXPECT_EQ(OptionsText(options), OptionsText(RunOptions{}));
}

// --- The "monitor" switch ------------------------------------------------

class MonitorSwitchTest : public SwitchParserTest {
 protected:
  void SetUp() override {
    SwitchParserTest::SetUp();
    platform.adapters = {
        MakeAdapter("\\\\.\\DISPLAY1", kAttached | DISPLAY_DEVICE_PRIMARY_DEVICE,
                    {"Generic PnP Monitor"}, {1920, 1080, 32, 60}),
        MakeAdapter("\\\\.\\DISPLAY2", kAttached, {"Left Panel"}, {1280, 1024, 32, 75}),
    };
  }
};

TEST_F(MonitorSwitchTest, DescriptionIsLookedUp) {
  EXPECT_EQ(Parse({"vantiro.exe", "-monitor=Left Panel"}).deviceName, "\\\\.\\DISPLAY2");
  EXPECT_EQ(Parse({"vantiro.exe", "/MONITOR=Generic PnP Monitor"}).deviceName, "\\\\.\\DISPLAY1");
}

TEST_F(MonitorSwitchTest, DeviceNameWithThePrefixIsTakenUnchangedWithoutLookup) {
  for (const std::string value : {"\\\\.\\DISPLAY2", "\\\\.\\NO SUCH DEVICE", "\\\\.\\"}) {
    SCOPED_TRACE(value);
    const RunOptions options = Parse({"vantiro.exe", "-monitor=" + value});
    EXPECT_EQ(options.deviceName, value);
    EXPECT_STREQ(SelectedDeviceName(options), value.c_str());
    EXPECT_EQ(platform.Count(Operation::EnumDisplayDevices), 0u);
  }
}

TEST_F(MonitorSwitchTest, AnythingButTheExactPrefixIsLookedUp) {
  // Too short, forward slashes, or a different third character.
  for (const std::string value : {"\\\\.", "//./DISPLAY2", "\\\\?\\DISPLAY2", "\\.\\DISPLAY2"}) {
    SCOPED_TRACE(value);
    const std::size_t before = platform.Count(Operation::EnumDisplayDevices);
    const RunOptions options = Parse({"vantiro.exe", "-monitor=" + value});
    EXPECT_EQ(options.deviceName, "");
    EXPECT_GT(platform.Count(Operation::EnumDisplayDevices), before);
  }
}

TEST_F(MonitorSwitchTest, FailedLookupAfterASuccessfulOneLeavesNoDevice) {
  const RunOptions options =
      Parse({"vantiro.exe", "-monitor=Left Panel", "-monitor=Nowhere", "-width=800"});
  EXPECT_EQ(options.deviceName, "");
  EXPECT_EQ(SelectedDeviceName(options), nullptr);
  EXPECT_EQ(options.width, 800u);
}

TEST_F(MonitorSwitchTest, FailedLookupAfterADeviceNameLeavesNoDevice) {
  EXPECT_EQ(Parse({"vantiro.exe", "-monitor=\\\\.\\DISPLAY2", "-monitor=left panel"}).deviceName,
            "");
}

TEST_F(MonitorSwitchTest, LaterMonitorSwitchReplacesTheEarlierOne) {
  EXPECT_EQ(
      Parse({"vantiro.exe", "-monitor=Left Panel", "-monitor=Generic PnP Monitor"}).deviceName,
      "\\\\.\\DISPLAY1");
}

TEST_F(MonitorSwitchTest, MonitorWithoutValueLooksUpTheEmptyDescription) {
  EXPECT_EQ(Parse({"vantiro.exe", "-monitor"}).deviceName, "");
  EXPECT_GT(platform.Count(Operation::EnumDisplayDevices), 0u);

  platform.adapters.push_back(MakeAdapter("\\\\.\\DISPLAY3", kAttached, {""}, {}));
  EXPECT_EQ(Parse({"vantiro.exe", "-monitor"}).deviceName, "\\\\.\\DISPLAY3");
}

TEST_F(MonitorSwitchTest, ListMonitorsNeverSetsTheDevice) {
  const RunOptions options = Parse({"vantiro.exe", "-listmonitors=Left Panel"});
  EXPECT_TRUE(options.listMonitors);
  EXPECT_EQ(options.deviceName, "");
  EXPECT_EQ(platform.Count(Operation::EnumDisplayDevices), 0u);
}

}  // namespace
}  // namespace vantiro
