// The command line, program start and wait, and the handles they give.
#include "platform/platform.h"

namespace vantiro::platform {

const char* GetCommandLineA() { return ::GetCommandLineA(); }

BOOL CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                    void* environment, const char* currentDirectory, STARTUPINFOA* startupInfo,
                    PROCESS_INFORMATION* processInformation) {
  return ::CreateProcessA(
      applicationName, commandLine, static_cast<SECURITY_ATTRIBUTES*>(processAttributes),
      static_cast<SECURITY_ATTRIBUTES*>(threadAttributes), inheritHandles, creationFlags,
      environment, currentDirectory, startupInfo, processInformation);
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  return ::WaitForSingleObject(handle, milliseconds);
}

BOOL CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }

DWORD GetLastError() { return ::GetLastError(); }

}  // namespace vantiro::platform
