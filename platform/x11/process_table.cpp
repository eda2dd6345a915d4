#include "platform/x11/process_table.h"

#include <cstdint>
#include <limits>
#include <map>

namespace vantiro::x11 {

namespace {

// By process id: whether the program has ended and been reaped.
std::map<pid_t, bool>& Processes() {
  static std::map<pid_t, bool> processes;
  return processes;
}

}  // namespace

HANDLE HandleOfProcess(pid_t process) {
  return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(process));
}

void AddProcess(pid_t process) { Processes()[process] = false; }

pid_t ProcessOfHandle(HANDLE handle) {
  const std::uintptr_t number = reinterpret_cast<std::uintptr_t>(handle);
  if (number == 0 || number > static_cast<std::uintptr_t>(std::numeric_limits<pid_t>::max())) {
    return 0;
  }
  const pid_t process = static_cast<pid_t>(number);
  return Processes().count(process) != 0 ? process : 0;
}

void MarkEnded(pid_t process) { Processes()[process] = true; }

bool HasEnded(pid_t process) {
  const auto found = Processes().find(process);
  return found != Processes().end() && found->second;
}

void RemoveProcess(pid_t process) { Processes().erase(process); }

}  // namespace vantiro::x11
