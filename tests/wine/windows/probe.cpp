// A program for Vantiro to start: records the display mode it sees and the
// command line it got, then exits with a status of its choosing (3 unless
// told), so that a caller can check that the status is not passed on.
//
//   vantiro_probe.exe RECORD_FILE [EXIT_STATUS [ANY ARGUMENTS...]]
//
// RECORD_FILE receives the lines "mode <width> <height> <bits> <hertz>",
// "command-line <raw command line>" and "argument-count <n>".

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  std::FILE* record = std::fopen(__argv[1], "wb");
  if (record == nullptr) return 2;

  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
    std::fprintf(record, "mode %lu %lu %lu %lu\n", mode.dmPelsWidth, mode.dmPelsHeight,
                 mode.dmBitsPerPel, mode.dmDisplayFrequency);
  } else {
    std::fputs("mode unknown\n", record);
  }
  std::fprintf(record, "command-line %s\n", GetCommandLineA());
  std::fprintf(record, "argument-count %d\n", __argc);
  std::fclose(record);
  return __argc >= 3 ? std::atoi(__argv[2]) : 3;
}
