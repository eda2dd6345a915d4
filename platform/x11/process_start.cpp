// Program start: the command line is split by the Windows rules and the
// program is started directly, without a shell, so that its arguments arrive
// exactly as the user quoted them.
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/command_line_rules.h"
#include "platform/platform.h"
#include "platform/x11/child_signals.h"
#include "platform/x11/last_error.h"
#include "platform/x11/process_table.h"

extern char** environ;

namespace vantiro::platform {

namespace {

DWORD WindowsErrorOf(int error) {
  switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case ENOEXEC:
    case ELIBBAD: return ERROR_BAD_FORMAT;
    case ENOMEM:
    case E2BIG: return ERROR_NOT_ENOUGH_MEMORY;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    default: return ERROR_INVALID_PARAMETER;
  }
}

class SpawnActions {
 public:
  SpawnActions() { valid_ = posix_spawn_file_actions_init(&actions_) == 0; }
  ~SpawnActions() {
    if (valid_) posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;

  bool valid() const { return valid_; }
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
  bool valid_ = false;
};

BOOL Fail(DWORD error) {
  x11::SetLastErrorCode(error);
  return FALSE;
}

}  // namespace

BOOL CreateProcessA(const char* applicationName, char* commandLine, void* /*processAttributes*/,
                    void* /*threadAttributes*/, BOOL /*inheritHandles*/, DWORD /*creationFlags*/,
                    void* environment, const char* currentDirectory, STARTUPINFOA* /*startupInfo*/,
                    PROCESS_INFORMATION* processInformation) {
  // An environment block of its own is not offered: the program inherits ours.
  if (environment != nullptr || processInformation == nullptr) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  std::vector<std::string> arguments = SplitCommandLine(commandLine == nullptr ? "" : commandLine);
  const std::string program = applicationName != nullptr ? applicationName
                              : arguments.empty()        ? std::string()
                                                         : arguments.front();
  if (program.empty()) return Fail(ERROR_FILE_NOT_FOUND);
  if (arguments.empty()) arguments.push_back(program);

  std::vector<char*> argumentVector;
  for (std::string& argument : arguments) argumentVector.push_back(argument.data());
  argumentVector.push_back(nullptr);

  SpawnActions actions;
  if (!actions.valid()) return Fail(ERROR_NOT_ENOUGH_MEMORY);
  if (currentDirectory != nullptr &&
      posix_spawn_file_actions_addchdir_np(actions.get(), currentDirectory) != 0) {
    return Fail(ERROR_NOT_ENOUGH_MEMORY);
  }

  x11::PrepareSignalForwarding();
  pid_t process = 0;
  const int error = posix_spawnp(&process, program.c_str(), actions.get(), nullptr,
                                 argumentVector.data(), environ);
  if (error != 0) return Fail(WindowsErrorOf(error));

  x11::AddProcess(process);
  x11::ForwardSignalsTo(process);
  *processInformation = PROCESS_INFORMATION{};
  processInformation->hProcess = x11::HandleOfProcess(process);
  processInformation->dwProcessId = static_cast<DWORD>(process);
  x11::SetLastErrorCode(ERROR_SUCCESS);
  return TRUE;
}

}  // namespace vantiro::platform
