#include "platform/x11/child_signals.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace vantiro::x11 {

namespace {

constexpr int kForwardedSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t forwardTo = 0;       // the program's process id, 0 when none
volatile std::sig_atomic_t pendingSignals = 0;  // bit n: signal n arrived while there was none

void OnSignal(int signal, siginfo_t* information, void*) {
  const int savedErrno = errno;
  const pid_t program = forwardTo;
  if (program > 0) {
    // A signal from the terminal (Ctrl-C, a hang-up) went to the whole
    // foreground process group, so a program still in our group has it too.
    const bool programHasIt = information != nullptr && information->si_code == SI_KERNEL &&
                              getpgid(program) == getpgrp();
    if (!programHasIt) kill(program, signal);
  } else {
    pendingSignals = pendingSignals | (1 << signal);
  }
  errno = savedErrno;
}

}  // namespace

void PrepareSignalForwarding() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  for (const int signal : kForwardedSignals) {
    struct sigaction previous {};
    if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_sigaction = OnSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int other : kForwardedSignals) sigaddset(&action.sa_mask, other);
    sigaction(signal, &action, nullptr);
  }
}

void ForwardSignalsTo(pid_t program) {
  // Set before the pending ones are read: a signal that comes in between is
  // forwarded by the handler itself.
  forwardTo = program;
  const int pending = pendingSignals;
  pendingSignals = 0;
  for (const int signal : kForwardedSignals) {
    if ((pending & (1 << signal)) != 0) kill(program, signal);
  }
}

void StopForwardingSignals() {
  forwardTo = 0;
  pendingSignals = 0;
}

}  // namespace vantiro::x11
