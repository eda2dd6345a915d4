// The one way a text reaches the user: a modal warning box, or nothing at all
// under -quiet.
#pragma once

#include <string>

#include "cmdline/run_options.h"

namespace vantiro {

// The caption of every box.
extern const char NoticeTitle[];

// Shows `text` (lines separated by CR LF) in a warning box captioned
// NoticeTitle and returns when the user has closed it; returns at once when
// `options.quiet` is set. A box that cannot be shown is not reported.
void ShowNotice(const std::string& text, const RunOptions& options);

}  // namespace vantiro
