#include "app/run_driver.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "app/notice_texts.h"
#include "app/notices.h"
#include "tests/app/run_fixture.h"

namespace vantiro {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kBroadcast = "SendMessageA(0xffff, 0x1a, 0, 0)";

// --- exit statuses and their notices -------------------------------------

struct StatusCase {
  const char* name;
  std::string commandLine;
  std::vector<LONG> changeResults;
  std::vector<memory::StartResult> startResults;
  ExitStatus status;
  std::string notice;  // empty: no notice
};

void PrintTo(const StatusCase& statusCase, std::ostream* out) { *out << statusCase.name; }

class RunStatusTest : public RunTest, public ::testing::WithParamInterface<StatusCase> {
 protected:
  void Seed() {
    for (LONG result : GetParam().changeResults) platform.changeResults.push_back(result);
    for (const memory::StartResult& start : GetParam().startResults) {
      platform.startResults.push_back(start);
    }
  }
};

TEST_P(RunStatusTest, EndsWithItsStatusAndNotice) {
  Seed();
  EXPECT_EQ(Run(GetParam().commandLine), GetParam().status);
  if (GetParam().notice.empty()) {
    EXPECT_THAT(NoticeTexts(), IsEmpty());
  } else {
    EXPECT_THAT(NoticeTexts(), ElementsAre(GetParam().notice));
    const memory::PlatformCall box = platform.MessageBoxes().front();
    EXPECT_EQ(box.caption, "Vantiro 3.12 from Orvane (orvane.com)");
    EXPECT_EQ(box.flags, MB_OK | MB_ICONWARNING);
    EXPECT_TRUE(box.nullWindow);
  }
}

TEST_P(RunStatusTest, QuietShowsNothingAndKeepsTheStatus) {
  Seed();
  // Switches come before the program, so -quiet goes right after the name.
  const std::string& commandLine = GetParam().commandLine;
  const std::size_t afterName = commandLine.find(' ');
  EXPECT_EQ(Run(commandLine.substr(0, afterName) + " -quiet" + commandLine.substr(afterName)),
            GetParam().status);
  EXPECT_THAT(NoticeTexts(), IsEmpty());
}

const std::string kVantiro = "vantiro.exe";
const std::string kSwitch = kVantiro + " -width=800 -height=600";
const std::string kSwitchAndRun = kSwitch + " notepad.exe c:\\autoexec.bat";

INSTANTIATE_TEST_SUITE_P(
    EveryStatus, RunStatusTest,
    ::testing::Values(
        StatusCase{"Stored", kSwitch, {}, {}, ExitStatus::Success, ""},
        StatusCase{"ProgramRun", kSwitchAndRun, {}, {}, ExitStatus::Success, ""},
        StatusCase{"NoMatchingMode",
                   kVantiro + " -width=1000",
                   {},
                   {},
                   ExitStatus::ModeNotSupported,
                   kModeNotSupportedNotice},
        StatusCase{"BadMode",
                   kSwitch,
                   {DISP_CHANGE_BADMODE},
                   {},
                   ExitStatus::ModeNotSupported,
                   "The graphics mode is not supported."},
        StatusCase{"NotUpdated",
                   kSwitch,
                   {DISP_CHANGE_NOTUPDATED},
                   {},
                   ExitStatus::RegistryNotUpdated,
                   "Unable to write the settings to the Registry."},
        StatusCase{"Restart",
                   kSwitch,
                   {DISP_CHANGE_RESTART},
                   {},
                   ExitStatus::RestartRequired,
                   "The computer needs to be restarted in order for the graphics mode to work."},
        StatusCase{"Failed",
                   kSwitch,
                   {DISP_CHANGE_FAILED},
                   {},
                   ExitStatus::ChangeFailed,
                   "An error occurred when changing display resolution."},
        StatusCase{"BadFlags",
                   kSwitch,
                   {DISP_CHANGE_BADFLAGS},
                   {},
                   ExitStatus::ChangeFailed,
                   kChangeFailedNotice},
        StatusCase{"BadParam",
                   kSwitch,
                   {DISP_CHANGE_BADPARAM},
                   {},
                   ExitStatus::ChangeFailed,
                   kChangeFailedNotice},
        StatusCase{"BadDualView",
                   kSwitch,
                   {DISP_CHANGE_BADDUALVIEW},
                   {},
                   ExitStatus::ChangeFailed,
                   kChangeFailedNotice},
        StatusCase{
            "UnknownResult", kSwitch, {7}, {}, ExitStatus::ChangeFailed, kChangeFailedNotice},
        StatusCase{"ProgramNotFound",
                   kSwitchAndRun,
                   {},
                   {{false, ERROR_FILE_NOT_FOUND}},
                   ExitStatus::ProgramNotFound,
                   "Unable to find specified file. The command line is:\r\n"
                   "notepad.exe c:\\autoexec.bat"},
        StatusCase{"PathNotFound",
                   kSwitchAndRun,
                   {},
                   {{false, ERROR_PATH_NOT_FOUND}},
                   ExitStatus::ProgramStartFailed,
                   "An error occurred when starting the application. The command line is:\r\n"
                   "notepad.exe c:\\autoexec.bat"},
        StatusCase{"ProgramStartFailed",
                   kSwitchAndRun,
                   {},
                   {{false, ERROR_ACCESS_DENIED}},
                   ExitStatus::ProgramStartFailed,
                   std::string(kProgramStartFailedNotice) + "notepad.exe c:\\autoexec.bat"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, NoArgumentShowsTheUsageWithStatusOne) {
  EXPECT_EQ(Run({"vantiro.exe"}, "vantiro.exe"), ExitStatus::UsageShown);
  EXPECT_THAT(NoticeTexts(), ElementsAre(UsageText()));
  EXPECT_EQ(platform.Count(memory::Operation::ChangeDisplaySettings), 0u);
}

TEST_F(RunTest, UsageNeedsNoDisplay) {
  platform.displayServicesAvailable = false;
  EXPECT_EQ(Run({"vantiro.exe"}, "vantiro.exe"), ExitStatus::UsageShown);
  EXPECT_THAT(NoticeTexts(), ElementsAre(UsageText()));
}

TEST_F(RunTest, UnreachableDisplayEndsWithChangeFailedAndTouchesNothing) {
  platform.displayServicesAvailable = false;
  EXPECT_EQ(Run(kSwitchAndRun), ExitStatus::ChangeFailed);
  ASSERT_EQ(platform.calls.size(), 1u);
  EXPECT_EQ(platform.calls[0].operation, memory::Operation::OpenDisplayServices);
}

// --- what reaches the display: flags, broadcast, program, restore --------

TEST_F(RunTest, SwitchWithoutProgramIsStoredAndBroadcast) {
  EXPECT_EQ(Run(kSwitch), ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, 800x600x32@60, flags=1)", kBroadcast));
  EXPECT_EQ(Primary().registry.width, 800);
  EXPECT_EQ(Primary().current.width, 800);
}

TEST_F(RunTest, TestWithoutProgramOnlyTestsTheStoredChange) {
  EXPECT_EQ(Run(kSwitch + " -test"), ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre(::testing::StartsWith("MessageBoxA(\"Testing (800 x 600) 32 bpp"),
                          "ChangeDisplaySettingsExA(null, 800x600x32@60, flags=3)"));
  EXPECT_EQ(Primary().current.width, 1024);
}

TEST_F(RunTest, ProgramRunsInTheDynamicModeAndTheStoredModeReturns) {
  EXPECT_EQ(Run(kSwitchAndRun), ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, 800x600x32@60, flags=0)", kBroadcast,
                          "CreateProcessA(\"notepad.exe c:\\autoexec.bat\")",
                          "WaitForSingleObject(0x1001, 0xffffffff)",
                          "ChangeDisplaySettingsExA(null, null, flags=0)"));
  ASSERT_EQ(platform.modesSeenByPrograms.size(), 1u);
  EXPECT_EQ(platform.modesSeenByPrograms[0].width, 800);
  EXPECT_EQ(Primary().current.width, 1024);
  EXPECT_EQ(Primary().registry.width, 1024);
}

TEST_F(RunTest, TestWithProgramStartsNothing) {
  EXPECT_EQ(Run(kSwitch + " -test notepad.exe c:\\autoexec.bat"), ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre(::testing::StartsWith("MessageBoxA(\"Testing"),
                          "ChangeDisplaySettingsExA(null, 800x600x32@60, flags=2)"));
}

TEST_F(RunTest, ProgramIsStartedWithInheritedEnvironmentAndZeroedStartupRecord) {
  Run(kSwitchAndRun);
  const std::vector<memory::PlatformCall> effects = platform.Effects();
  ASSERT_EQ(effects.size(), 5u);
  const memory::PlatformCall& start = effects[2];
  EXPECT_EQ(start.detail,
            "application=null processAttributes=null threadAttributes=null inherit=0 "
            "environment=null directory=null startupZeroed=yes");
  EXPECT_EQ(start.flags, 0u);
  EXPECT_EQ(start.index, sizeof(STARTUPINFOA));
  const memory::PlatformCall& change = effects[0];
  EXPECT_TRUE(change.nullWindow);
  EXPECT_TRUE(change.nullParameter);
}

TEST_F(RunTest, ProcessAndThreadHandlesAreClosedAfterTheWait) {
  Run(kSwitchAndRun);
  std::vector<std::string> tail;
  for (const memory::PlatformCall& call : platform.calls) {
    if (call.operation == memory::Operation::WaitForSingleObject ||
        call.operation == memory::Operation::CloseHandle) {
      tail.push_back(memory::Describe(call));
    }
  }
  EXPECT_THAT(tail, ElementsAre("WaitForSingleObject(0x1001, 0xffffffff)", "CloseHandle(0x2001)",
                                "CloseHandle(0x1001)"));
}

TEST_F(RunTest, FailedStartIsShownBeforeTheRestore) {
  platform.startResults.push_back({false, ERROR_FILE_NOT_FOUND});
  EXPECT_EQ(Run(kSwitchAndRun), ExitStatus::ProgramNotFound);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, 800x600x32@60, flags=0)", kBroadcast,
                          "CreateProcessA(\"notepad.exe c:\\autoexec.bat\")",
                          ::testing::StartsWith("MessageBoxA(\"Unable to find specified file."),
                          "ChangeDisplaySettingsExA(null, null, flags=0)"));
  EXPECT_EQ(Primary().current.width, 1024);
  EXPECT_EQ(platform.Count(memory::Operation::CloseHandle), 0u);
}

TEST_F(RunTest, RefusedChangeStartsAndRestoresNothing) {
  platform.changeResults.push_back(DISP_CHANGE_RESTART);
  EXPECT_EQ(Run(kSwitchAndRun), ExitStatus::RestartRequired);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, 800x600x32@60, flags=0)",
                          ::testing::StartsWith("MessageBoxA(\"The computer needs")));
}

TEST_F(RunTest, RefusedTestReportsLikeARefusedChange) {
  platform.changeResults.push_back(DISP_CHANGE_RESTART);
  EXPECT_EQ(Run(kSwitch + " -test -quiet"), ExitStatus::RestartRequired);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, 800x600x32@60, flags=3)"));
}

TEST_F(RunTest, UnsupportedRequestLeavesTheDisplayAlone) {
  EXPECT_EQ(Run(kVantiro + " -width=1000 notepad.exe"), ExitStatus::ModeNotSupported);
  EXPECT_EQ(platform.Count(memory::Operation::ChangeDisplaySettings), 0u);
  EXPECT_EQ(platform.Count(memory::Operation::CreateProcess), 0u);
}

// --- the request and the chosen mode -------------------------------------

struct RequestCase {
  const char* name;
  std::string switches;
  memory::DeviceCaps current;
  std::string changedTo;  // the mode handed to the platform
};

void PrintTo(const RequestCase& requestCase, std::ostream* out) { *out << requestCase.name; }

class RequestCompletionTest : public RunTest, public ::testing::WithParamInterface<RequestCase> {};

TEST_P(RequestCompletionTest, ChangesToTheCompletedRequest) {
  Primary().current = GetParam().current;
  Primary().modes.push_back(memory::MakeDevMode(800, 600, 32, 0));
  Primary().modes.push_back(memory::MakeDevMode(1024, 768, 32, 1));
  EXPECT_EQ(Run(kVantiro + " " + GetParam().switches), ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, " + GetParam().changedTo + ", flags=1)",
                          kBroadcast));
}

INSTANTIATE_TEST_SUITE_P(
    Requests, RequestCompletionTest,
    ::testing::Values(
        RequestCase{
            "OnlyQuietKeepsTheCurrentMode", "-quiet", {1024, 768, 32, 60}, "1024x768x32@60"},
        RequestCase{"UnrecognisedSwitchKeepsTheCurrentMode",
                    "-help",
                    {1024, 768, 32, 60},
                    "1024x768x32@60"},
        RequestCase{
            "ZeroMeansCurrent", "-width=0 -refresh=75", {1024, 768, 32, 60}, "1024x768x32@75"},
        RequestCase{"CurrentRateFillsTheRequest",
                    "-width=800 -height=600",
                    {1024, 768, 32, 75},
                    "800x600x32@75"},
        RequestCase{"MaxRateKeptWhenTheDeviceHasARate",
                    "-width=800 -height=600 -refresh=max",
                    {1024, 768, 32, 60},
                    "800x600x32@75"},
        RequestCase{
            "MaxDepth", "-width=800 -height=600 -depth=max", {1024, 768, 16, 60}, "800x600x32@60"},
        RequestCase{
            "MaxWidthThenHeight", "-width=max -height=max", {1024, 768, 32, 60}, "1600x1200x32@60"},
        RequestCase{"DefaultRateDropsARequestedRate",
                    "-width=800 -height=600 -refresh=75",
                    {1024, 768, 32, 0},
                    "800x600x32@0"},
        RequestCase{"DefaultRateOfOneDropsMax",
                    "-width=800 -height=600 -refresh=max",
                    {1024, 768, 32, 1},
                    "800x600x32@0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, DefaultRateMatchesOnlyModesWithoutARate) {
  Primary().current = {1024, 768, 32, 1};
  EXPECT_EQ(Run(kVantiro + " -quiet"), ExitStatus::ModeNotSupported);
}

TEST_F(RunTest, CurrentModeIsReadFromTheSelectedDevicesContext) {
  Run(kVantiro + " -quiet");
  std::vector<std::string> reads;
  for (const memory::PlatformCall& call : platform.calls) {
    if (call.operation == memory::Operation::CreateDC ||
        call.operation == memory::Operation::GetDeviceCaps ||
        call.operation == memory::Operation::DeleteDC) {
      reads.push_back(memory::Describe(call));
    }
  }
  // The empty text, not null, names the primary display here.
  EXPECT_THAT(reads, ElementsAre("CreateDCA(\"DISPLAY\", \"\")", "GetDeviceCaps(0x1, 8)",
                                 "GetDeviceCaps(0x1, 10)", "GetDeviceCaps(0x1, 12)",
                                 "GetDeviceCaps(0x1, 116)", "DeleteDC(0x1)"));
}

TEST_F(RunTest, MonitorDescriptionSelectsItsDeviceForEveryCall) {
  EXPECT_EQ(Run({"vantiro.exe", "-monitor=Side Panel", "-width=800", "-height=600"},
                "vantiro.exe -monitor=\"Side Panel\" -width=800 -height=600"),
            ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(\"\\\\.\\DISPLAY2\", 800x600x32@75, flags=1)",
                          kBroadcast));
  EXPECT_EQ(Secondary().current.width, 800);
  EXPECT_EQ(Primary().current.width, 1024);
}

TEST_F(RunTest, DeviceNameSelectsItsDeviceForTheChangeAndTheRestore) {
  EXPECT_EQ(Run(kVantiro + " -monitor=\\\\.\\DISPLAY2 -width=800 -height=600 notepad.exe"),
            ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(\"\\\\.\\DISPLAY2\", 800x600x32@75, flags=0)",
                          kBroadcast, "CreateProcessA(\"notepad.exe\")",
                          "WaitForSingleObject(0x1001, 0xffffffff)",
                          "ChangeDisplaySettingsExA(\"\\\\.\\DISPLAY2\", null, flags=0)"));
}

TEST_F(RunTest, UnknownMonitorFallsBackToThePrimaryDisplay) {
  EXPECT_EQ(Run({"vantiro.exe", "-monitor=Nowhere", "-width=800", "-height=600"},
                "vantiro.exe -monitor=Nowhere -width=800 -height=600"),
            ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, 800x600x32@60, flags=1)", kBroadcast));
}

// --- the test notice -----------------------------------------------------

TEST_F(RunTest, TestNoticeShowsTheChosenModeNotTheRequest) {
  EXPECT_EQ(Run(kVantiro + " -test -width=800 -height=600 -refresh=max"), ExitStatus::Success);
  EXPECT_THAT(NoticeTexts(), ElementsAre("Testing (800 x 600) 32 bpp, 75Hz\r\n\r\n"
                                         "Command line:\r\n(none)\r\n"));
}

TEST_F(RunTest, TestNoticeShowsTheProgramCommandLineWithItsQuotes) {
  EXPECT_EQ(Run({"C:\\Program Files\\Vantiro\\Vantiro.exe", "-test", "-width=1024",
                 "C:\\Games\\game.exe", "-window"},
                "\"C:\\Program Files\\Vantiro\\Vantiro.exe\" -test -width=1024 "
                "\"C:\\Games\\game.exe\" -window"),
            ExitStatus::Success);
  EXPECT_THAT(NoticeTexts(), ElementsAre("Testing (1024 x 768) 32 bpp, 60Hz\r\n\r\n"
                                         "Command line:\r\n\"C:\\Games\\game.exe\" -window\r\n"));
}

TEST_F(RunTest, ForcedMaxFieldsReachThePlatformAsTheLargestNumber) {
  platform.changeResults.push_back(DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(Run(kVantiro + " -test -force -width=max -height=601"), ExitStatus::Success);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("MessageBoxA(\"Testing (4294967295 x 601) 32 bpp, 60Hz\r\n\r\n"
                          "Command line:\r\n(none)\r\n\", \"Vantiro 3.12 from Orvane "
                          "(orvane.com)\", 0x30)",
                          "ChangeDisplaySettingsExA(null, 4294967295x601x32@60, flags=3)"));
  const DEVMODEA forced = *platform.Effects()[1].mode;
  EXPECT_EQ(forced.dmSize, 156);
  EXPECT_EQ(forced.dmFields, 0x005C0000u);
}

TEST_F(RunTest, ForcedModeThatThePlatformRefusesIsBadMode) {
  EXPECT_EQ(Run(kVantiro + " -force -width=1000 -height=700 -quiet"), ExitStatus::ModeNotSupported);
  EXPECT_THAT(platform.DescribeEffects(),
              ElementsAre("ChangeDisplaySettingsExA(null, 1000x700x32@60, flags=1)"));
  EXPECT_EQ(Primary().current.width, 1024);
}

TEST_F(RunTest, ChosenRecordReachesThePlatformWhole) {
  DEVMODEA offered = memory::MakeDevMode(1280, 1024, 32, 60);
  offered.dmFields |= DM_DISPLAYFLAGS | DM_POSITION;
  offered.dmDisplayFlags = 2;
  offered.dmPosition = {-1280, 0};
  Primary().modes = {offered};
  EXPECT_EQ(Run(kVantiro + " -width=1280 -height=1024"), ExitStatus::Success);
  const DEVMODEA changed = *platform.Effects()[0].mode;
  EXPECT_EQ(changed.dmFields, 0x005C0000u);
  EXPECT_EQ(changed.dmDisplayFlags, 2u);
  EXPECT_EQ(changed.dmPosition.x, -1280);
}

// --- dispatch ------------------------------------------------------------

TEST_F(RunTest, ListMonitorsWinsOverListModes) {
  EXPECT_EQ(Run(kVantiro + " -listmodes -listmonitors -width=800"), ExitStatus::Success);
  ASSERT_EQ(NoticeTexts().size(), 1u);
  EXPECT_EQ(NoticeTexts()[0].rfind("\"\\\\.\\DISPLAY1\"", 0), 0u) << NoticeTexts()[0];
  EXPECT_EQ(platform.Count(memory::Operation::ChangeDisplaySettings), 0u);
}

TEST_F(RunTest, ListModesIgnoresModeSwitchesAndTest) {
  EXPECT_EQ(Run(kVantiro + " -listmodes -width=800 -test notepad.exe"), ExitStatus::Success);
  ASSERT_EQ(NoticeTexts().size(), 1u);
  EXPECT_EQ(NoticeTexts()[0].rfind("Resolutions below 800x600 are not displayed.", 0), 0u);
  EXPECT_EQ(platform.Count(memory::Operation::ChangeDisplaySettings), 0u);
  EXPECT_EQ(platform.Count(memory::Operation::CreateProcess), 0u);
}

TEST_F(RunTest, ListModesReportsTheSelectedDevice) {
  EXPECT_EQ(Run({"vantiro.exe", "-listmodes", "-monitor=Side Panel"},
                "vantiro.exe -listmodes -monitor=\"Side Panel\""),
            ExitStatus::Success);
  EXPECT_THAT(NoticeTexts(), ElementsAre("Resolutions below 800x600 are not displayed.\r\n\r\n"
                                         "Width\tHeight\tDepth\tRate\r\n"
                                         "800\t600\t32\t75\r\n"
                                         "1280\t1024\t32\t60/75\r\n"));
}

TEST_F(RunTest, ReportsUnderQuietShowNothing) {
  EXPECT_EQ(Run(kVantiro + " -listmonitors -quiet"), ExitStatus::Success);
  EXPECT_EQ(Run(kVantiro + " -listmodes -quiet"), ExitStatus::Success);
  EXPECT_THAT(NoticeTexts(), IsEmpty());
}

// --- program command lines of any length ---------------------------------

class LongCommandLineTest : public RunTest, public ::testing::WithParamInterface<std::size_t> {
 protected:
  std::string Program() const {
    return "game.exe " + std::string(GetParam() - std::string("game.exe ").size(), 'x');
  }
};

TEST_P(LongCommandLineTest, ReachesThePlatformWhole) {
  EXPECT_EQ(Run(kSwitch + " " + Program()), ExitStatus::Success);
  ASSERT_EQ(platform.Effects().size(), 5u);
  EXPECT_EQ(platform.Effects()[2].text, Program());
}

TEST_P(LongCommandLineTest, IsShownWholeInTheTestNotice) {
  EXPECT_EQ(Run(kSwitch + " -test " + Program()), ExitStatus::Success);
  EXPECT_THAT(NoticeTexts(),
              ElementsAre("Testing (800 x 600) 32 bpp, 60Hz\r\n\r\nCommand line:\r\n" + Program() +
                          "\r\n"));
}

TEST_P(LongCommandLineTest, RefusedByThePlatformIsAnOrdinaryStartFailure) {
  platform.startResults.push_back({false, ERROR_FILENAME_EXCED_RANGE});
  EXPECT_EQ(Run(kSwitch + " " + Program()), ExitStatus::ProgramStartFailed);
  EXPECT_THAT(NoticeTexts(), ElementsAre(kProgramStartFailedNotice + Program()));
  EXPECT_EQ(platform.DescribeEffects().back(), "ChangeDisplaySettingsExA(null, null, flags=0)");
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongCommandLineTest, ::testing::Values(259, 260, 300, 40000));

}  // namespace
}  // namespace vantiro
