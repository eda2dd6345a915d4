#include "fuzz/seed_cases.h"

#include <utility>

#include "fuzz/command_line_case.h"
#include "fuzz/run_case.h"
#include "platform/command_line_rules.h"

namespace vantiro::fuzz {

namespace {

using memory::MakeAdapter;
using memory::MakeDevMode;

constexpr DWORD kAttached = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
constexpr DWORD kPrimary = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE;

// The primary display: a small catalogue with two depths at one size and
// two rates at most sizes.
memory::Adapter PrimaryAdapter() {
  memory::Adapter adapter =
      MakeAdapter("\\\\.\\DISPLAY1", kPrimary, {"Generic Monitor"}, {1024, 768, 32, 60});
  adapter.modes = {MakeDevMode(1024, 768, 16, 60), MakeDevMode(1024, 768, 32, 60),
                   MakeDevMode(1024, 768, 32, 75), MakeDevMode(1280, 1024, 32, 60),
                   MakeDevMode(1600, 900, 32, 60), MakeDevMode(1600, 900, 32, 75)};
  return adapter;
}

// A second display with two monitors, whose modes come unsorted and with
// several rates for one size and depth.
memory::Adapter SideAdapter() {
  memory::Adapter adapter =
      MakeAdapter("\\\\.\\DISPLAY2", kAttached, {"Left Panel", "Right Panel"}, {800, 600, 32, 60});
  adapter.modes = {MakeDevMode(640, 480, 32, 60),  MakeDevMode(800, 600, 16, 75),
                   MakeDevMode(800, 600, 16, 60),  MakeDevMode(800, 600, 32, 60),
                   MakeDevMode(800, 600, 32, 56),  MakeDevMode(1024, 768, 32, 85),
                   MakeDevMode(1024, 768, 32, 60), MakeDevMode(1024, 768, 32, 70)};
  return adapter;
}

// Not attached to the desktop: its monitor's description must not be found.
memory::Adapter DetachedAdapter() {
  return MakeAdapter("\\\\.\\DISPLAY3", 0, {"Spare Panel"}, {0, 0, 0, 0});
}

std::vector<memory::Adapter> Desktop() {
  return {PrimaryAdapter(), SideAdapter(), DetachedAdapter()};
}

std::vector<memory::Adapter> DesktopWithoutModes() {
  std::vector<memory::Adapter> adapters = Desktop();
  for (memory::Adapter& adapter : adapters) adapter.modes.clear();
  return adapters;
}

Seed CommandLineSeed(std::string name, std::string commandLine,
                     const LeadByteTable& leadBytes = LeadByteTable{}) {
  CommandLineCase commandLineCase;
  commandLineCase.leadBytes = leadBytes;
  commandLineCase.adapters = DesktopWithoutModes();
  commandLineCase.commandLine = std::move(commandLine);
  return {std::move(name), WriteCommandLineCase(commandLineCase)};
}

RunCase RunOn(std::string commandLine) {
  RunCase runCase;
  runCase.adapters = Desktop();
  runCase.commandLine = std::move(commandLine);
  runCase.arguments = platform::SplitCommandLine(runCase.commandLine);
  return runCase;
}

Seed RunSeed(std::string name, const RunCase& runCase) {
  return {std::move(name), WriteRunCase(runCase)};
}

RunCase WithChangeResult(RunCase runCase, LONG result) {
  runCase.changeResults = {result};
  return runCase;
}

RunCase WithStartError(RunCase runCase, DWORD error) {
  runCase.startResults = {memory::StartResult{false, error}};
  return runCase;
}

// Every combination of a few sizes, depths and rates: a catalogue at the
// size limit, with the largest mode at neither end of the enumeration.
std::vector<DEVMODEA> LargeCatalogue() {
  const std::pair<DWORD, DWORD> sizes[] = {{640, 480},   {800, 600},   {1024, 768},  {1152, 864},
                                           {1280, 720},  {1280, 1024}, {1366, 768},  {1600, 900},
                                           {1920, 1080}, {1920, 1200}, {2560, 1440}, {3840, 2160}};
  const DWORD depths[] = {8, 16, 24, 32, 30};
  const DWORD rates[] = {60, 75, 50, 144, 30};
  std::vector<DEVMODEA> modes;
  for (const DWORD depth : depths) {
    for (const auto& [width, height] : sizes) {
      for (const DWORD rate : rates) modes.push_back(MakeDevMode(width, height, depth, rate));
    }
  }
  return modes;
}

}  // namespace

std::vector<Seed> CommandLineSeeds() {
  return {
      CommandLineSeed("usage_example_program",
                      "Vantiro.exe -width=800 -height=600 -depth=8 -refresh=max notepad.exe "
                      "c:\\autoexec.bat"),
      CommandLineSeed("usage_example_depth",
                      "Vantiro.exe -width=1024 -depth=max notepad.exe c:\\autoexec.bat"),
      CommandLineSeed("usage_example_no_program",
                      "Vantiro.exe -width=1600 -height=1200 -depth=max"),
      CommandLineSeed("own_name_only", "Vantiro.exe"),
      CommandLineSeed("own_name_trailing_space", "Vantiro.exe "),
      CommandLineSeed("runs_of_spaces", "Vantiro.exe    -width=800    notepad.exe"),
      CommandLineSeed("quoted_paths",
                      "\"C:\\Program Files\\Vantiro\\Vantiro.exe\" -width=1024 "
                      "\"C:\\Games\\game.exe\" -window"),
      CommandLineSeed("monitor_description", "Vantiro.exe -monitor=\"Left Panel\" notepad.exe"),
      CommandLineSeed("monitor_description_no_program", "Vantiro.exe -monitor=\"Left Panel\""),
      CommandLineSeed("slash_switches", "Vantiro.exe /width=800 notepad.exe /p readme.txt"),
      CommandLineSeed("unclosed_quote", "Vantiro.exe -monitor=\"Left Panel -width=800"),
      CommandLineSeed("quoted_switch", "Vantiro.exe \"-width=800\" notepad.exe"),
      CommandLineSeed("character_after_quote", "Vantiro.exe -monitor=\"A\"x notepad.exe"),
      CommandLineSeed("tab_separated", "Vantiro.exe\t-width=800\t-test\tnotepad.exe"),
      CommandLineSeed("own_name_partly_quoted",
                      "\"C:\\Program Files\\Vantiro\"\\Vantiro.exe -width=800 notepad.exe"),
      CommandLineSeed("switch_value_forms",
                      "Vantiro.exe /WIDTH=800 -heightX=1024 -depth1024 -refresh=MAX"),
      CommandLineSeed("switch_value_wrap",
                      "Vantiro.exe -width=maximum -height=-1 -depth=4294967296 -refresh=800x600"),
      CommandLineSeed("empty_value_and_repeats", "Vantiro.exe -width= -height=800 -height=abc"),
      CommandLineSeed("flag_tails", "Vantiro.exe -test=no -testing -forced -quietly"),
      CommandLineSeed("ignored_switches", "Vantiro.exe --width=800 -help notepad.exe -width=800"),
      CommandLineSeed("empty_argument_stops", "Vantiro.exe \"\" -width=800"),
      CommandLineSeed("monitor_without_value", "Vantiro.exe -monitor -listmonitors"),
      CommandLineSeed("device_prefix_only", "Vantiro.exe -monitor=\\\\.\\ -listmodes"),
      CommandLineSeed("device_name_given", "Vantiro.exe -monitor=\\\\.\\DISPLAY2 notepad.exe"),
      CommandLineSeed("monitor_replaced", "Vantiro.exe -monitor=\"Left Panel\" -monitor=Nobody"),
      CommandLineSeed("detached_monitor", "Vantiro.exe -monitor=\"Spare Panel\" -width=800"),
      CommandLineSeed("escaped_quotes", "Vantiro.exe -monitor=\"a \\\"b\\\" c\" \"x\"\"y\" z\\\\"),
      CommandLineSeed("japanese_trail_bytes",
                      "Vantiro.exe -monitor=\"\x83\x5C\x83\x74\" -width\x81=640 "
                      "\x83\x5C\x83\x74\x83\x67.exe \x81\"",
                      JapaneseLeadBytes()),
      CommandLineSeed("chinese_own_name", "\xC4\xE3\xBA\xC3.exe -width=800 \xC4\x20.exe",
                      ChineseLeadBytes()),
      CommandLineSeed("lead_byte_at_end", "Vantiro.exe -width=800 notepad.exe \x81",
                      JapaneseLeadBytes()),
  };
}

std::vector<Seed> RunSeeds() {
  RunCase noArguments = RunOn("");

  RunCase defaultRate = RunOn("Vantiro.exe -width=1024 -refresh=75 notepad.exe");
  defaultRate.adapters[0].current.refresh = 1;

  RunCase servicesUnavailable = RunOn("Vantiro.exe -width=1024");
  servicesUnavailable.displayServicesAvailable = false;

  RunCase contextFails = RunOn("Vantiro.exe -width=1024 notepad.exe");
  contextFails.createDcFails = true;

  RunCase separateVector = RunOn("other.exe -width=1024 notepad.exe");
  separateVector.arguments = {"Vantiro.exe", "-width=800"};

  RunCase japanese = RunOn("Vantiro.exe -width=1024 \x83\x5C\x83\x74\x83\x67.exe");
  japanese.leadBytes = JapaneseLeadBytes();

  RunCase emptyCatalogue = RunOn("Vantiro.exe -force -width=800 -height=600 notepad.exe");
  emptyCatalogue.adapters[0].modes.clear();

  RunCase largeCatalogue =
      RunOn("Vantiro.exe -width=max -height=max -depth=max -refresh=max notepad.exe");
  largeCatalogue.adapters[0].modes = LargeCatalogue();

  RunCase damagedRecords = RunOn("Vantiro.exe -width=800 notepad.exe");
  damagedRecords.adapters[0].modes[0].dmSize = 0;
  damagedRecords.adapters[0].modes[0].dmFields = 0xFFFFFFFF;
  damagedRecords.adapters[0].modes[1].dmDriverExtra = 512;
  damagedRecords.adapters[0].modes[1].dmDeviceName[0] = 'X';
  damagedRecords.adapters[0].modes.push_back(MakeDevMode(800, 600, 32, 60));
  damagedRecords.adapters[0].modes.back().dmSize = 220;

  RunCase storedDiffers = RunOn("Vantiro.exe -width=1280 notepad.exe");
  storedDiffers.adapters[0].registry = {1600, 900, 32, 75};

  RunCase primaryFlagOnSecond =
      RunOn("Vantiro.exe -monitor=\"Generic Monitor\" -width=1024 -refresh=max notepad.exe");
  primaryFlagOnSecond.adapters[0].stateFlags = kAttached;
  primaryFlagOnSecond.adapters[1].stateFlags = kPrimary;

  return {
      RunSeed("usage_no_argument", RunOn("Vantiro.exe")),
      RunSeed("no_argument_vector", noArguments),
      RunSeed("list_monitors", RunOn("Vantiro.exe -listmonitors -listmodes")),
      RunSeed("list_modes_of_side_panel",
              RunOn("Vantiro.exe -listmodes -monitor=\"Left Panel\" -width=800")),
      RunSeed("largest_mode_kept",
              RunOn("Vantiro.exe -width=max -height=max -depth=max -refresh=max")),
      RunSeed("mode_kept_in_registry", RunOn("Vantiro.exe -width=1280 -height=1024")),
      RunSeed("usage_example_not_offered",
              RunOn("Vantiro.exe -width=800 -height=600 -depth=8 -refresh=max notepad.exe "
                    "c:\\autoexec.bat")),
      RunSeed("usage_example_depth",
              RunOn("Vantiro.exe -width=1024 -depth=max notepad.exe c:\\autoexec.bat")),
      RunSeed(
          "program_in_chosen_mode",
          RunOn("Vantiro.exe -width=1600 -height=900 -refresh=max notepad.exe c:\\autoexec.bat")),
      RunSeed("side_panel_by_description",
              RunOn("Vantiro.exe -monitor=\"Left Panel\" -width=800 -depth=max -refresh=max "
                    "notepad.exe")),
      RunSeed("side_panel_by_device_name",
              RunOn("Vantiro.exe -monitor=\\\\.\\DISPLAY2 -width=1024 -refresh=max")),
      RunSeed("missing_device",
              RunOn("Vantiro.exe -monitor=\\\\.\\DISPLAY9 -width=800 notepad.exe")),
      RunSeed("unknown_description_uses_primary",
              RunOn("Vantiro.exe -monitor=\"left panel\" -width=1280 notepad.exe")),
      RunSeed("test_with_program", RunOn("Vantiro.exe -test -width=1280 notepad.exe readme.txt")),
      RunSeed("test_force_nothing_fits", RunOn("Vantiro.exe -test -force -width=max -height=2000")),
      RunSeed("quiet_nothing_fits", RunOn("Vantiro.exe -quiet -width=1 -height=1 notepad.exe")),
      RunSeed("forced_mode_refused",
              RunOn("Vantiro.exe -force -width=2048 -height=1536 notepad.exe")),
      RunSeed("restart_required_with_program",
              WithChangeResult(RunOn("Vantiro.exe -width=1024 notepad.exe"), DISP_CHANGE_RESTART)),
      RunSeed("registry_not_updated",
              WithChangeResult(RunOn("Vantiro.exe -width=1024"), DISP_CHANGE_NOTUPDATED)),
      RunSeed("change_failed_quiet",
              WithChangeResult(RunOn("Vantiro.exe -quiet -width=1024 x.exe"), DISP_CHANGE_FAILED)),
      RunSeed("test_restart_required",
              WithChangeResult(RunOn("Vantiro.exe -test -width=1024"), DISP_CHANGE_RESTART)),
      RunSeed("unknown_change_result",
              WithChangeResult(RunOn("Vantiro.exe -width=1024 notepad.exe"), 7)),
      RunSeed("program_not_found",
              WithStartError(RunOn("Vantiro.exe -width=1024 missing.exe"), ERROR_FILE_NOT_FOUND)),
      RunSeed("program_start_failed",
              WithStartError(RunOn("Vantiro.exe -width=1024 \"C:\\Games\\game.exe\" -window"),
                             ERROR_ACCESS_DENIED)),
      RunSeed("program_line_over_259",
              RunOn("Vantiro.exe -width=1024 notepad.exe " + std::string(300, 'a'))),
      RunSeed("default_rate_drops_refresh", defaultRate),
      RunSeed("services_unavailable", servicesUnavailable),
      RunSeed("device_context_fails", contextFails),
      RunSeed("quoted_own_name", RunOn("\"C:\\Program Files\\Vantiro\\Vantiro.exe\" -width=1024 "
                                       "\"C:\\Games\\game.exe\" -window")),
      RunSeed("own_name_not_in_line",
              RunOn("\"C:\\Program Files\"\\Vantiro.exe -width=1024 notepad.exe")),
      RunSeed("vector_and_line_disagree", separateVector),
      RunSeed("japanese_program_path", japanese),
      RunSeed("empty_catalogue_forced", emptyCatalogue),
      RunSeed("large_catalogue", largeCatalogue),
      RunSeed("damaged_mode_records", damagedRecords),
      RunSeed("stored_mode_differs", storedDiffers),
      RunSeed("primary_flag_on_second_adapter", primaryFlagOnSecond),
  };
}

}  // namespace vantiro::fuzz
