#include "app/program_launch.h"

#include <vector>

#include "app/notice_texts.h"
#include "app/notices.h"
#include "platform/process_handles.h"

namespace vantiro {

ExitStatus StartProgramAndWait(const RunOptions& options) {
  // The platform may write into the command line, so it gets a copy of its
  // own, sized to the text: a line of any length reaches the platform whole,
  // and one that the platform cannot take is an ordinary start failure.
  std::vector<char> commandLine(options.programCommandLine.begin(),
                                options.programCommandLine.end());
  commandLine.push_back('\0');

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!platform::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &startup, &started)) {
    const bool notFound = platform::GetLastError() == ERROR_FILE_NOT_FOUND;
    ShowNotice((notFound ? kProgramNotFoundNotice : kProgramStartFailedNotice) +
                   options.programCommandLine,
               options);
    return notFound ? ExitStatus::ProgramNotFound : ExitStatus::ProgramStartFailed;
  }
  const ProcessHandles handles(started);
  platform::WaitForSingleObject(handles.Process(), INFINITE);
  return ExitStatus::Success;
}

}  // namespace vantiro
