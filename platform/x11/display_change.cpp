// Mode changes. X keeps no registry of display settings, so the backend keeps
// what the registry would hold for the one thing the program needs from it:
// each output's configuration before this process first changed it for a
// while, which a restore (a null mode) returns to.
#include <map>
#include <string>

#include "platform/platform.h"
#include "platform/x11/output_configuration.h"
#include "platform/x11/requested_mode.h"
#include "platform/x11/screen_snapshot.h"

namespace vantiro::platform {

namespace {

// By output name: the configuration that a restore returns to.
std::map<std::string, x11::SavedConfiguration>& StoredConfigurations() {
  static std::map<std::string, x11::SavedConfiguration> stored;
  return stored;
}

LONG Restore(const x11::OutputState& output) {
  auto& stored = StoredConfigurations();
  const auto saved = stored.find(output.name);
  if (saved == stored.end()) return DISP_CHANGE_SUCCESSFUL;
  const bool restored = x11::RestoreConfiguration(saved->second);
  stored.erase(saved);
  x11::FreshScreen();
  return restored ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_FAILED;
}

LONG Change(const x11::OutputState& output, const x11::OutputMode& mode, bool stored) {
  if (!output.attached) return DISP_CHANGE_FAILED;
  const std::optional<x11::SavedConfiguration> before = x11::SaveConfiguration(output.name);
  if (!before) return DISP_CHANGE_FAILED;
  const std::string name = output.name;
  const bool changed = mode.id == output.current.id || x11::SetOutputMode(name, mode.id);
  if (!changed) x11::RestoreConfiguration(*before);  // undo a half-made change
  x11::FreshScreen();
  if (!changed) return DISP_CHANGE_FAILED;

  auto& configurations = StoredConfigurations();
  if (stored) {
    configurations.erase(name);  // the new mode is what a restore keeps
  } else {
    configurations.emplace(name, *before);  // only the first change counts
  }
  return DISP_CHANGE_SUCCESSFUL;
}

}  // namespace

LONG ChangeDisplaySettingsExA(const char* device, DEVMODEA* mode, HWND /*window*/, DWORD flags,
                              void* /*parameter*/) {
  const x11::ScreenState* screen = x11::FreshScreen();
  if (screen == nullptr) return DISP_CHANGE_FAILED;
  const x11::OutputState* output = x11::FindOutput(*screen, device);
  if (output == nullptr) return DISP_CHANGE_BADPARAM;
  if (mode == nullptr) return Restore(*output);

  const std::optional<x11::OutputMode> wanted =
      x11::FindRequestedMode(*output, screen->bitsPerPixel, *mode);
  if (!wanted) return DISP_CHANGE_BADMODE;
  if ((flags & CDS_TEST) != 0) return DISP_CHANGE_SUCCESSFUL;
  return Change(*output, *wanted, (flags & CDS_UPDATEREGISTRY) != 0);
}

}  // namespace vantiro::platform
