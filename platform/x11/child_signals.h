// Passes SIGINT, SIGTERM and SIGHUP on to the started program while it runs,
// so that interrupting Vantiro ends the program and Vantiro lives on to
// restore the display. Vantiro itself never dies of them once a program has
// been started: it still has the restore to do.
#pragma once

#include <sys/types.h>

namespace vantiro::x11 {

// Catches the signals, before the program starts, so that none is lost while
// it starts. A signal that the process ignores stays ignored, and so does it
// for the program.
void PrepareSignalForwarding();

// From now on each signal goes to `program`; the ones caught while it was
// being started go to it at once.
void ForwardSignalsTo(pid_t program);

// The program has ended: later signals are only noted.
void StopForwardingSignals();

}  // namespace vantiro::x11
