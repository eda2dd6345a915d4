// The process and thread handles of a started program, closed when they go
// out of scope.
#pragma once

#include "platform/platform.h"

namespace vantiro {

class ProcessHandles {
 public:
  explicit ProcessHandles(const PROCESS_INFORMATION& started)
      : process_(started.hProcess), thread_(started.hThread) {}
  ~ProcessHandles() {
    if (thread_ != nullptr) platform::CloseHandle(thread_);
    if (process_ != nullptr) platform::CloseHandle(process_);
  }
  ProcessHandles(const ProcessHandles&) = delete;
  ProcessHandles& operator=(const ProcessHandles&) = delete;

  HANDLE Process() const { return process_; }

 private:
  HANDLE process_;
  HANDLE thread_;
};

}  // namespace vantiro
