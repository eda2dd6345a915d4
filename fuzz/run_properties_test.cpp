#include "fuzz/run_properties.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/run_driver.h"
#include "cmdline/program_command_line.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro::fuzz {
namespace {

using memory::Operation;
using memory::PlatformCall;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A run that keeps every rule: a dynamic change, the program, the restore.
// Each test then breaks one thing in its record, as a faulty run would, and
// the checker has to say so.
class RunPropertiesTest : public MemoryPlatformTest {
 protected:
  void SetUp() override {
    MemoryPlatformTest::SetUp();
    memory::Adapter primary = memory::MakeAdapter(
        "\\\\.\\DISPLAY1", DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE,
        {"Generic Monitor"}, {1024, 768, 32, 60});
    primary.modes = {memory::MakeDevMode(1024, 768, 32, 60),
                     memory::MakeDevMode(1600, 900, 32, 60)};
    platform.adapters = {primary};
    platform.commandLine = "Vantiro.exe -width=1600 -height=900 notepad.exe";
    facts.arguments = {"Vantiro.exe", "-width=1600", "-height=900", "notepad.exe"};
    facts.adaptersBefore = platform.adapters;
    memory::ArgumentVector vector(facts.arguments);
    facts.status = static_cast<int>(RunVantiro(vector.Count(), vector.Vector()));
    facts.programCommandLine =
        ExtractProgramCommandLine(platform.commandLine.c_str(), facts.arguments[0].c_str());
  }

  // Public, for the table of broken runs below.
 public:
  PlatformCall& Call(Operation operation, bool withMode = true) {
    const auto found =
        std::find_if(platform.calls.begin(), platform.calls.end(), [&](const PlatformCall& call) {
          return call.operation == operation && (operation != Operation::ChangeDisplaySettings ||
                                                 call.mode.has_value() == withMode);
        });
    EXPECT_NE(found, platform.calls.end());
    return *found;
  }
  PlatformCall& Change() { return Call(Operation::ChangeDisplaySettings, true); }
  PlatformCall& Restore() { return Call(Operation::ChangeDisplaySettings, false); }

  void Erase(const PlatformCall& call) {
    platform.calls.erase(platform.calls.begin() + (&call - platform.calls.data()));
  }

  std::vector<std::string> Violations() const { return RunViolations(facts, platform); }

 protected:
  RunFacts facts;
};

TEST_F(RunPropertiesTest, ASoundRunKeepsEveryRule) {
  EXPECT_EQ(facts.status, 0);
  EXPECT_EQ(facts.programCommandLine, "notepad.exe");
  EXPECT_THAT(Violations(), IsEmpty());
}

struct BrokenRun {
  const char* name;
  std::function<void(RunPropertiesTest&, memory::MemoryPlatform&, RunFacts&)> breakIt;
  const char* reported;
};

class BrokenRunTest : public RunPropertiesTest, public ::testing::WithParamInterface<BrokenRun> {};

TEST_P(BrokenRunTest, IsReported) {
  GetParam().breakIt(*this, platform, facts);
  EXPECT_THAT(::testing::PrintToString(Violations()), HasSubstr(GetParam().reported));
}

INSTANTIATE_TEST_SUITE_P(
    RunPropertiesTest, BrokenRunTest,
    ::testing::Values(
        BrokenRun{"StatusOutOfRange", [](auto&, auto&, RunFacts& f) { f.status = 8; },
                  "exit status 8"},
        BrokenRun{"FailureReadsAsSuccess",
                  [](auto& t, auto&, RunFacts& f) {
                    t.Change().result = DISP_CHANGE_RESTART;
                    f.status = 0;
                  },
                  "exit status 0 where the run calls for 4"},
        BrokenRun{"SuccessReadsAsFailure", [](auto&, auto&, RunFacts& f) { f.status = 7; },
                  "exit status 7 where the run calls for 0"},
        BrokenRun{"RestoreMissing", [](auto& t, auto&, auto&) { t.Erase(t.Restore()); },
                  "no restore after"},
        BrokenRun{"RestoreOfAnotherDevice",
                  [](auto& t, auto&, auto&) { t.Restore().device = "\\\\.\\DISPLAY2"; },
                  "undoes another device"},
        BrokenRun{"RegistryWrittenWithProgram",
                  [](auto& t, auto&, auto&) { t.Change().flags = CDS_UPDATEREGISTRY; },
                  "flags 1 where 0 belong"},
        BrokenRun{
            "RealChangeUnderTest",
            [](auto&, auto&, RunFacts& f) { f.arguments.insert(f.arguments.begin() + 1, "-TEST"); },
            "a real change under -test"},
        BrokenRun{"NoticeUnderQuiet",
                  [](auto&, memory::MemoryPlatform& p, RunFacts& f) {
                    f.arguments.insert(f.arguments.begin() + 1, "/quiet");
                    p.calls.push_back(PlatformCall{Operation::MessageBox});
                  },
                  "a notice under -quiet"},
        BrokenRun{"ModeFieldsNotClaimed",
                  [](auto& t, auto&, auto&) { t.Change().mode->dmFields = DM_PELSWIDTH; },
                  "dmFields 524288"},
        BrokenRun{"ModeSizeWrong", [](auto& t, auto&, auto&) { t.Change().mode->dmSize = 220; },
                  "dmSize 220"},
        BrokenRun{"GoesOnAfterRefusal",
                  [](auto& t, auto&, auto&) { t.Change().result = DISP_CHANGE_BADMODE; },
                  "after the refused"},
        BrokenRun{"ProgramWithoutChange", [](auto& t, auto&, auto&) { t.Erase(t.Change()); },
                  "without a real change before it"},
        BrokenRun{"SecondChange",
                  [](auto& t, memory::MemoryPlatform& p, auto&) {
                    const PlatformCall change = t.Change();
                    p.calls.push_back(change);
                  },
                  "a second change"},
        BrokenRun{"HandleLeft",
                  [](auto&, memory::MemoryPlatform& p, auto&) {
                    --p.callCounts[static_cast<std::size_t>(Operation::CloseHandle)];
                  },
                  "1 handles closed"},
        BrokenRun{"ContextLeft",
                  [](auto&, memory::MemoryPlatform& p, auto&) {
                    --p.callCounts[static_cast<std::size_t>(Operation::DeleteDC)];
                  },
                  "released"},
        BrokenRun{"DisplayLeftInDynamicMode",
                  [](auto&, memory::MemoryPlatform& p, auto&) {
                    p.adapters[0].current = {1600, 900, 32, 60};
                  },
                  "left in 1600x900x32@60 while 1024x768x32@60 is stored"}),
    [](const ::testing::TestParamInfo<BrokenRun>& info) { return info.param.name; });

}  // namespace
}  // namespace vantiro::fuzz
