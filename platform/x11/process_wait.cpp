// Waiting for a started program, and letting go of its handle.
#include <sys/wait.h>
#include <time.h>

#include <cerrno>

#include "platform/platform.h"
#include "platform/x11/child_signals.h"
#include "platform/x11/last_error.h"
#include "platform/x11/process_table.h"

namespace vantiro::platform {

namespace {

constexpr DWORD kWaitTimeout = 0x00000102;     // WAIT_TIMEOUT
constexpr DWORD kErrorInvalidHandle = 6;       // ERROR_INVALID_HANDLE
constexpr long kPollNanoseconds = 10'000'000;  // between looks at a program with a time limit

// One look, or a wait until it ends with `options` 0. True when it has ended.
bool Reap(pid_t process, int options) {
  for (;;) {
    int status = 0;
    const pid_t reaped = waitpid(process, &status, options);
    if (reaped == process) {
      x11::MarkEnded(process);
      x11::StopForwardingSignals();
      return true;
    }
    if (reaped == 0) return false;
    if (errno == EINTR) continue;
    // ECHILD: somebody else reaped it; it has ended all the same.
    x11::MarkEnded(process);
    x11::StopForwardingSignals();
    return true;
  }
}

}  // namespace

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  const pid_t process = x11::ProcessOfHandle(handle);
  if (process == 0) {
    x11::SetLastErrorCode(kErrorInvalidHandle);
    return WAIT_FAILED;
  }
  if (x11::HasEnded(process)) return WAIT_OBJECT_0;
  if (milliseconds == INFINITE) {
    Reap(process, 0);
    return WAIT_OBJECT_0;
  }
  timespec deadline{};
  clock_gettime(CLOCK_MONOTONIC, &deadline);
  deadline.tv_sec += milliseconds / 1000;
  deadline.tv_nsec += static_cast<long>(milliseconds % 1000) * 1'000'000;
  if (deadline.tv_nsec >= 1'000'000'000) {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1'000'000'000;
  }
  for (;;) {
    if (Reap(process, WNOHANG)) return WAIT_OBJECT_0;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (now.tv_sec > deadline.tv_sec ||
        (now.tv_sec == deadline.tv_sec && now.tv_nsec >= deadline.tv_nsec)) {
      return kWaitTimeout;
    }
    const timespec pause{0, kPollNanoseconds};
    nanosleep(&pause, nullptr);
  }
}

BOOL CloseHandle(HANDLE handle) {
  const pid_t process = x11::ProcessOfHandle(handle);
  if (process == 0) {
    x11::SetLastErrorCode(kErrorInvalidHandle);
    return FALSE;
  }
  // A program still running goes on, as on Windows; one that has ended is
  // reaped now rather than left a zombie.
  if (!x11::HasEnded(process)) Reap(process, WNOHANG);
  x11::RemoveProcess(process);
  return TRUE;
}

}  // namespace vantiro::platform
