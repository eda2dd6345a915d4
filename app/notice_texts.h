// The program's own texts: the usage, the refusals and the failures.
#pragma once

#include <string>

namespace vantiro {

// The maker's host, as the last line of the usage names it.
inline constexpr const char kMakerHost[] = "www.orvane.com";

// The usage notice: 26 lines joined by CR LF, none after the last.
std::string UsageText();

inline constexpr const char kModeNotSupportedNotice[] =
    "The specified display resolution is not supported by your video adapter and monitor. "
    "Use -listmodes to determine the supported resolutions.\r\n\r\n"
    "If you want Vantiro to set this resolution anyway, you can pass the -force switch on the "
    "command line.\r\n\r\n"
    "Please be aware that you can damage your video adapter or monitor by using an unsupported "
    "resolution. Orvane assumes no responsibility or liability for your use of Vantiro.";

inline constexpr const char kRegistryNotUpdatedNotice[] =
    "Unable to write the settings to the Registry.";
inline constexpr const char kRestartRequiredNotice[] =
    "The computer needs to be restarted in order for the graphics mode to work.";
inline constexpr const char kBadModeNotice[] = "The graphics mode is not supported.";
inline constexpr const char kChangeFailedNotice[] =
    "An error occurred when changing display resolution.";

// Followed by the program command line, unchanged, and nothing after it.
inline constexpr const char kProgramNotFoundNotice[] =
    "Unable to find specified file. The command line is:\r\n";
inline constexpr const char kProgramStartFailedNotice[] =
    "An error occurred when starting the application. The command line is:\r\n";

}  // namespace vantiro
