// Turns the process arguments into RunOptions. Never fails: unknown switches
// are ignored and unreadable values count as not given.
#pragma once

#include <cstdint>
#include <string>

#include "cmdline/run_options.h"

namespace vantiro {

// Applies every leading "-" or "/" argument after argument 0 to `options`;
// stops at the first argument that is not a switch (an empty one included).
void ParseArguments(int argumentCount, const char* const* arguments, RunOptions& options);

// Applies one switch, given without its leading "-" or "/". Keywords match by
// prefix, ASCII case ignored, first row wins; changes at most one field.
void ApplySwitch(const char* switchText, RunOptions& options);

// The value after the first "=": kMaxValue for "max" (any case), else the
// "%u" reading with unsigned wrap-around, 0 when there is no "=" or no digit.
std::uint32_t ParseSwitchValue(const char* switchText);

// The text after the first "=", or empty when there is none.
std::string SwitchValueText(const char* switchText);

}  // namespace vantiro
