// The programs this process has started, by the handle that stands for each:
// the handle carries the process id.
#pragma once

#include <sys/types.h>

#include "platform/records.h"

namespace vantiro::x11 {

HANDLE HandleOfProcess(pid_t process);

// Enters a started program.
void AddProcess(pid_t process);

// The process id of a handle of the table, or 0.
pid_t ProcessOfHandle(HANDLE handle);

// Marks the program as ended and reaped.
void MarkEnded(pid_t process);
bool HasEnded(pid_t process);

// Takes the program out of the table.
void RemoveProcess(pid_t process);

}  // namespace vantiro::x11
