// The platform records (DEVMODEA, DISPLAY_DEVICEA, STARTUPINFOA,
// PROCESS_INFORMATION), their scalar types and the constants the program uses.
// A Windows build takes them from the SDK; every other build from our own
// definitions with the same names, sizes and offsets.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "platform/portable_records.h"
#endif

static_assert(sizeof(DEVMODEA) == 156, "the display-mode record has the 156-byte layout");
static_assert(sizeof(DISPLAY_DEVICEA) == 424, "the display-device record is 424 bytes");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(STARTUPINFOA) == 68, "the 32-bit start-up record is 68 bytes");
#endif
