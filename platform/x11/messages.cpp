// Notices go to standard output, where a terminal user reads a command's
// output; the setting-change broadcast has nobody to reach, for RandR tells
// every X client itself.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <string>

#include "platform/platform.h"

namespace vantiro::platform {

namespace {

// A closed pipe must not end Vantiro with SIGPIPE before it has restored the
// display, so the signal is held off while writing and a pending one dropped.
class SigpipeHeldOff {
 public:
  SigpipeHeldOff() {
    sigset_t pipeOnly;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipeOnly, &previousMask_);
  }
  ~SigpipeHeldOff() {
    if (raised_ && !wasPending_) {
      sigset_t pipeOnly;
      sigemptyset(&pipeOnly);
      sigaddset(&pipeOnly, SIGPIPE);
      const timespec noWait{0, 0};
      while (sigtimedwait(&pipeOnly, nullptr, &noWait) < 0 && errno == EINTR) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
  }
  SigpipeHeldOff(const SigpipeHeldOff&) = delete;
  SigpipeHeldOff& operator=(const SigpipeHeldOff&) = delete;

  void NoteBrokenPipe() { raised_ = true; }

 private:
  sigset_t previousMask_;
  bool wasPending_ = false;
  bool raised_ = false;
};

std::string WithLineFeeds(const char* text) {
  std::string result;
  for (const char* character = text; *character != '\0'; ++character) {
    if (character[0] == '\r' && character[1] == '\n') continue;
    result += *character;
  }
  if (!result.empty() && result.back() != '\n') result += '\n';
  return result;
}

}  // namespace

int MessageBoxA(HWND /*owner*/, const char* text, const char* /*caption*/, UINT /*style*/) {
  const std::string output = WithLineFeeds(text == nullptr ? "" : text);
  SigpipeHeldOff heldOff;
  std::string::size_type written = 0;
  while (written < output.size()) {
    const ssize_t count = write(STDOUT_FILENO, output.data() + written, output.size() - written);
    if (count > 0) {
      written += static_cast<std::string::size_type>(count);
    } else if (count < 0 && errno == EINTR) {
      continue;
    } else {
      if (count < 0 && errno == EPIPE) heldOff.NoteBrokenPipe();
      break;  // nobody reads the output; the run goes on all the same
    }
  }
  return IDOK;
}

LRESULT SendMessageA(HWND /*window*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  return 0;
}

}  // namespace vantiro::platform
