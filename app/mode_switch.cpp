#include "app/mode_switch.h"

#include "app/notice_texts.h"
#include "app/notices.h"
#include "app/program_launch.h"
#include "cmdline/monitor_lookup.h"
#include "platform/platform.h"

namespace vantiro {

namespace {

struct ChangeRefusal {
  const char* notice;
  ExitStatus status;
};

// What the user is told, and the status, for a change the platform refused.
ChangeRefusal RefusalFor(LONG result) {
  switch (result) {
    case DISP_CHANGE_NOTUPDATED: return {kRegistryNotUpdatedNotice, ExitStatus::RegistryNotUpdated};
    case DISP_CHANGE_RESTART: return {kRestartRequiredNotice, ExitStatus::RestartRequired};
    case DISP_CHANGE_BADMODE: return {kBadModeNotice, ExitStatus::ModeNotSupported};
    default: return {kChangeFailedNotice, ExitStatus::ChangeFailed};
  }
}

// Without a program the new mode is meant to stay, so it goes to the
// registry; with one it is set only for the program's lifetime.
DWORD ChangeFlags(const RunOptions& options) {
  DWORD flags = options.programCommandLine.empty() ? CDS_UPDATEREGISTRY : 0;
  if (options.test) flags |= CDS_TEST;
  return flags;
}

}  // namespace

ExitStatus SwitchModeAndRun(const DEVMODEA& target, const RunOptions& options) {
  const char* device = SelectedDeviceName(options);
  DEVMODEA mode = target;  // the platform takes a writable record
  const LONG result =
      platform::ChangeDisplaySettingsExA(device, &mode, nullptr, ChangeFlags(options), nullptr);
  if (result != DISP_CHANGE_SUCCESSFUL) {
    const ChangeRefusal refusal = RefusalFor(result);
    ShowNotice(refusal.notice, options);
    return refusal.status;
  }
  if (options.test) return ExitStatus::Success;

  platform::SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, 0);
  if (options.programCommandLine.empty()) return ExitStatus::Success;

  // A failed start has shown its notice by now, so the user has seen it in
  // the mode it was meant for; the display goes back either way.
  const ExitStatus status = StartProgramAndWait(options);
  platform::ChangeDisplaySettingsExA(device, nullptr, nullptr, 0, nullptr);
  return status;
}

}  // namespace vantiro
