// Starts a program from a raw command line read byte for byte from a file, as
// a Windows user types it, and waits for it. Every message box that the
// program opens is read (caption and text) and closed with its OK button, so
// a run with notices ends on its own. A hidden top-level window counts the
// setting-change broadcasts (WM_SETTINGCHANGE, wParam 0, lParam 0) that reach
// it meanwhile.
//
//   vantiro_launcher.exe COMMAND_FILE RESULT_FILE [TIMEOUT_SECONDS]
//
// RESULT_FILE receives, for each box, "notice <caption bytes> <text bytes>
// <width> <height> <bits> <hertz>\n" (the display mode while the box was open)
// followed by the caption, the text and "\n"; then "broadcasts <count>\n" and
// "exit <status>\n" with the program's exit status, or "timeout\n" when the
// program had to be ended. The launcher's own status: 0 when the program ended
// by itself, 1 when it timed out, 2 when it could not be started or the files
// not used.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

struct HandleCloser {
  HANDLE handle;
  ~HandleCloser() {
    if (handle != nullptr) CloseHandle(handle);
  }
};

struct FileCloser {
  std::FILE* file;
  ~FileCloser() {
    if (file != nullptr) std::fclose(file);
  }
};

bool ReadWholeFile(const char* path, std::string& contents) {
  FileCloser input{std::fopen(path, "rb")};
  if (input.file == nullptr) return false;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, input.file)) > 0) contents.append(buffer, got);
  return std::ferror(input.file) == 0;
}

// The text of a window of another process: WM_GETTEXT is carried across
// processes, where GetWindowText would only give a top-level caption.
std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  std::vector<char> text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return {};
  }
  return std::string(text.data(), copied < length ? copied : length);
}

struct BoxSearch {
  DWORD processId;
  std::vector<HWND> boxes;
};

// Message boxes are dialogs of class #32770.
BOOL CALLBACK CollectBox(HWND window, LPARAM searchAddress) {
  auto& search = *reinterpret_cast<BoxSearch*>(searchAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner == search.processId && IsWindowVisible(window) && std::string(className) == "#32770") {
    search.boxes.push_back(window);
  }
  return TRUE;
}

// The message text is the box's one static control that holds text (the
// icon's static holds none).
BOOL CALLBACK FindMessageText(HWND child, LPARAM textAddress) {
  char className[16] = {};
  GetClassNameA(child, className, sizeof className);
  if (std::string(className) != "Static") return TRUE;
  std::string text = WindowText(child);
  if (text.empty()) return TRUE;
  *reinterpret_cast<std::string*>(textAddress) = std::move(text);
  return FALSE;
}

// A top-level caption is kept by the system and read without a message.
std::string Caption(HWND box) {
  char caption[512] = {};
  const int length = GetWindowTextA(box, caption, sizeof caption);
  return std::string(caption, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// A box is read once both its caption and its text can be read, or after
// kMaxReadAttempts polls, so that a notice with an empty text is recorded too.
constexpr int kMaxReadAttempts = 40;

void RecordAndCloseBoxes(DWORD processId, std::map<HWND, int>& attempts, std::FILE* result) {
  BoxSearch search{processId, {}};
  EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
  for (HWND box : search.boxes) {
    int& attempt = attempts[box];
    if (attempt > kMaxReadAttempts) continue;  // recorded and closed already
    const std::string caption = Caption(box);
    std::string text;
    EnumChildWindows(box, FindMessageText, reinterpret_cast<LPARAM>(&text));
    if ((caption.empty() || text.empty()) && ++attempt < kMaxReadAttempts) continue;
    attempt = kMaxReadAttempts + 1;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) mode = DEVMODEA{};
    std::fprintf(result, "notice %zu %zu %lu %lu %lu %lu\n", caption.size(), text.size(),
                 mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency);
    std::fwrite(caption.data(), 1, caption.size(), result);
    std::fwrite(text.data(), 1, text.size(), result);
    std::fputc('\n', result);
    std::fflush(result);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
}

unsigned long broadcastCount = 0;

LRESULT CALLBACK CountBroadcasts(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTINGCHANGE && wParam == 0 && lParam == 0) ++broadcastCount;
  return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window (never shown) gets what is sent to HWND_BROADCAST.
HWND CreateBroadcastListener(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = CountBroadcasts;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "VantiroLauncherListener";
  if (!RegisterClassA(&windowClass)) return nullptr;
  return CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         instance, nullptr);
}

// Delivers the messages sent to the listener; a broadcast waits for them.
void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

int Launch(HINSTANCE instance, const char* commandFile, const char* resultFile,
           DWORD timeoutMilliseconds) {
  std::string commandLine;
  if (!ReadWholeFile(commandFile, commandLine)) {
    std::fprintf(stderr, "vantiro_launcher: cannot read %s\n", commandFile);
    return 2;
  }
  FileCloser result{std::fopen(resultFile, "wb")};
  if (result.file == nullptr) {
    std::fprintf(stderr, "vantiro_launcher: cannot write %s\n", resultFile);
    return 2;
  }
  if (CreateBroadcastListener(instance) == nullptr) {
    std::fprintf(result.file, "no-listener %lu\n", GetLastError());
    return 2;
  }

  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    std::fprintf(result.file, "start-failed %lu\n", GetLastError());
    return 2;
  }
  const HandleCloser process{started.hProcess};
  const HandleCloser thread{started.hThread};

  std::map<HWND, int> attempts;
  const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
  while (MsgWaitForMultipleObjects(1, &process.handle, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) {
    PumpMessages();
    RecordAndCloseBoxes(started.dwProcessId, attempts, result.file);
    if (GetTickCount64() >= deadline) {
      TerminateProcess(process.handle, 255);
      WaitForSingleObject(process.handle, 5000);
      std::fputs("timeout\n", result.file);
      return 1;
    }
  }
  PumpMessages();
  DWORD status = 0;
  GetExitCodeProcess(process.handle, &status);
  std::fprintf(result.file, "broadcasts %lu\n", broadcastCount);
  std::fprintf(result.file, "exit %lu\n", status);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 3 || __argc > 4) {
    std::fputs("usage: vantiro_launcher.exe COMMAND_FILE RESULT_FILE [TIMEOUT_SECONDS]\n", stderr);
    return 2;
  }
  const unsigned long seconds = __argc == 4 ? std::strtoul(__argv[3], nullptr, 10) : 60;
  return Launch(instance, __argv[1], __argv[2], static_cast<DWORD>(seconds * 1000));
}
