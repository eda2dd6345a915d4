// The start-up floors under Wine for vantiro.exe -listmodes -quiet: a
// GUI-subsystem program, linked like vantiro.exe, that does nothing, or with
// the argument "modes" only asks for every mode of the primary display.
// Timed beside vantiro.exe, the first takes Wine's own start-up and shutdown
// out of the picture, the second also the platform's part of the mode list.
#include <windows.h>

#include <cstring>

namespace {

using EnumDisplaySettingsFunction = BOOL(WINAPI*)(LPCSTR, DWORD, DEVMODEA*);

// user32 is loaded only here, so that the plain floor starts without it.
int EnumerateEveryMode() {
  const HMODULE user32 = LoadLibraryA("user32.dll");
  if (user32 == nullptr) return 1;
  const auto enumerate = reinterpret_cast<EnumDisplaySettingsFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "EnumDisplaySettingsA")));
  DWORD count = 0;
  if (enumerate != nullptr) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    while (enumerate(nullptr, count, &mode)) ++count;
  }
  FreeLibrary(user32);
  return count > 0 ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc == 2 && std::strcmp(__argv[1], "modes") == 0) return EnumerateEveryMode();
  return 0;
}
