#include "app/run_driver.h"

#include "app/mode_switch.h"
#include "app/notice_texts.h"
#include "app/notices.h"
#include "app/request_completion.h"
#include "app/test_notice.h"
#include "cmdline/monitor_lookup.h"
#include "cmdline/program_command_line.h"
#include "cmdline/switch_parser.h"
#include "modes/mode_catalogue.h"
#include "modes/mode_selection.h"
#include "platform/platform.h"
#include "reports/mode_list.h"
#include "reports/monitor_list.h"

namespace vantiro {

namespace {

// Completes the request from the device's current mode, picks the target
// mode and hands it to the mode switch.
ExitStatus RunModeChange(RunOptions& options) {
  CompleteRequest(options, ReadCurrentMode(options.deviceName));

  DisplayModeList catalogue;
  EnumerateModes(catalogue, SelectedDeviceName(options));
  const std::optional<DisplayMode> chosen = SelectTargetMode(
      catalogue, options.width, options.height, options.depth, options.refresh, options.force);
  if (!chosen) {
    ShowNotice(kModeNotSupportedNotice, options);
    return ExitStatus::ModeNotSupported;
  }

  // The whole platform record of the chosen mode, also the fields that its
  // dmFields does not claim.
  const DEVMODEA target = *chosen;
  if (options.test) ShowNotice(FormatTestNotice(target, options.programCommandLine), options);
  return SwitchModeAndRun(target, options);
}

}  // namespace

ExitStatus RunVantiro(int argumentCount, const char* const* arguments) {
  // Without any argument there is nothing to parse and nothing to list, so the
  // usage is shown before the display is touched, and also where there is no
  // display to reach.
  if (argumentCount < 2) {
    ShowNotice(UsageText(), RunOptions{});
    return ExitStatus::UsageShown;
  }
  if (!platform::OpenDisplayServices()) return ExitStatus::ChangeFailed;

  RunOptions options;
  ParseArguments(argumentCount, arguments, options);
  options.programCommandLine = ExtractProgramCommandLine(platform::GetCommandLineA(), arguments[0]);

  if (options.listMonitors) {
    ListMonitors(options);
    return ExitStatus::Success;
  }
  if (options.listModes) {
    ListModes(SelectedDeviceName(options), options);
    return ExitStatus::Success;
  }
  return RunModeChange(options);
}

}  // namespace vantiro
