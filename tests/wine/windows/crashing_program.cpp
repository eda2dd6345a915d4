// A program for Vantiro to start that dies of an unhandled access violation,
// as a crashing program does, after noting in RECORD_FILE that it ran.
//
//   vantiro_crashing_program.exe RECORD_FILE

#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc >= 2) {
    if (std::FILE* record = std::fopen(__argv[1], "wb")) {
      std::fputs("crashing\n", record);
      std::fclose(record);
    }
  }
  RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  return 0;
}
