// The operations that Vantiro needs of its platform, named as Windows spells
// them, with parameters narrowed to what the program passes. Exactly one
// backend defines them; the build picks it (the Windows API, X11/XRandR, or
// the in-memory platform that the tests, fuzzers and benchmarks link).
//
// Strings are 8-bit text in the process's ANSI code page. A null device name
// means the primary display device.
#pragma once

#include "platform/records.h"

namespace vantiro::platform {

// Connects to the display services before the first display call. FALSE when
// they cannot be reached (no X server, say); the backend has then told the
// user why on its own channel. Windows' services are always there.
BOOL OpenDisplayServices();

// Nonzero while an adapter (device null) or an adapter's monitor (device
// named) exists at `index`; fills `record`, whose cb the caller sets.
BOOL EnumDisplayDevicesA(const char* device, DWORD index, DISPLAY_DEVICEA* record, DWORD flags);

// Nonzero and `mode` filled while `modeIndex` names a mode of the device;
// zero after the last one, and at once for a device that does not exist.
BOOL EnumDisplaySettingsA(const char* device, DWORD modeIndex, DEVMODEA* mode);

// Changes (or with CDS_TEST only tests) the device's mode; a null `mode` with
// flags 0 returns the device to the mode stored in the registry. Returns a
// DISP_CHANGE_* value.
LONG ChangeDisplaySettingsExA(const char* device, DEVMODEA* mode, HWND window, DWORD flags,
                              void* parameter);

// A device context for the display device, or null when it cannot be made.
HDC CreateDCA(const char* driver, const char* device, const char* output,
              const DEVMODEA* initialisation);
// The capability `index` (HORZRES, VERTRES, BITSPIXEL, VREFRESH); 0 for a null
// context.
int GetDeviceCaps(HDC context, int index);
BOOL DeleteDC(HDC context);

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows a modal box and returns when the user has closed it.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT style);

// The raw process command line; the platform owns the text.
const char* GetCommandLineA();

// Starts a program from a writable command line. Nonzero on success, with the
// handles in `processInformation`, which the caller closes; zero on failure,
// with the reason in GetLastError.
BOOL CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                    void* environment, const char* currentDirectory, STARTUPINFOA* startupInfo,
                    PROCESS_INFORMATION* processInformation);
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
BOOL CloseHandle(HANDLE handle);
DWORD GetLastError();

// True when `byte` opens a double-byte character in the ANSI code page.
BOOL IsDBCSLeadByte(BYTE byte);

}  // namespace vantiro::platform
