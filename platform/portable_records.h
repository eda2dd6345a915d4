// The Windows display, GDI and process records, types and constants that the
// program uses, for builds without <windows.h>. Field names, sizes and offsets
// are those of the Windows SDK, so the core reads and writes the same bytes on
// every backend.
#pragma once

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using BOOL = int;
using UINT = unsigned int;
using CHAR = char;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using HANDLE = void*;
using HWND = void*;
using HDC = void*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct POINTL {
  LONG x;
  LONG y;
};

// The 156-byte form that ends with dmPanningWidth and dmPanningHeight.
typedef struct _devicemodeA {
  BYTE dmDeviceName[32];
  WORD dmSpecVersion;
  WORD dmDriverVersion;
  WORD dmSize;
  WORD dmDriverExtra;
  DWORD dmFields;
  union {
    struct {
      short dmOrientation;
      short dmPaperSize;
      short dmPaperLength;
      short dmPaperWidth;
      short dmScale;
      short dmCopies;
      short dmDefaultSource;
      short dmPrintQuality;
    };
    struct {
      POINTL dmPosition;
      DWORD dmDisplayOrientation;
      DWORD dmDisplayFixedOutput;
    };
  };
  short dmColor;
  short dmDuplex;
  short dmYResolution;
  short dmTTOption;
  short dmCollate;
  BYTE dmFormName[32];
  WORD dmLogPixels;
  DWORD dmBitsPerPel;
  DWORD dmPelsWidth;
  DWORD dmPelsHeight;
  union {
    DWORD dmDisplayFlags;
    DWORD dmNup;
  };
  DWORD dmDisplayFrequency;
  DWORD dmICMMethod;
  DWORD dmICMIntent;
  DWORD dmMediaType;
  DWORD dmDitherType;
  DWORD dmReserved1;
  DWORD dmReserved2;
  DWORD dmPanningWidth;
  DWORD dmPanningHeight;
} DEVMODEA;

typedef struct _DISPLAY_DEVICEA {
  DWORD cb;
  CHAR DeviceName[32];
  CHAR DeviceString[128];
  DWORD StateFlags;
  CHAR DeviceID[128];
  CHAR DeviceKey[128];
} DISPLAY_DEVICEA;

typedef struct _STARTUPINFOA {
  DWORD cb;
  char* lpReserved;
  char* lpDesktop;
  char* lpTitle;
  DWORD dwX;
  DWORD dwY;
  DWORD dwXSize;
  DWORD dwYSize;
  DWORD dwXCountChars;
  DWORD dwYCountChars;
  DWORD dwFillAttribute;
  DWORD dwFlags;
  WORD wShowWindow;
  WORD cbReserved2;
  BYTE* lpReserved2;
  HANDLE hStdInput;
  HANDLE hStdOutput;
  HANDLE hStdError;
} STARTUPINFOA;

typedef struct _PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
} PROCESS_INFORMATION;

static_assert(sizeof(DEVMODEA) == 156, "DEVMODEA must keep the Windows size");
static_assert(offsetof(DEVMODEA, dmSpecVersion) == 32);
static_assert(offsetof(DEVMODEA, dmSize) == 36);
static_assert(offsetof(DEVMODEA, dmFields) == 40);
static_assert(offsetof(DEVMODEA, dmPosition) == 44);
static_assert(offsetof(DEVMODEA, dmColor) == 60);
static_assert(offsetof(DEVMODEA, dmFormName) == 70);
static_assert(offsetof(DEVMODEA, dmLogPixels) == 102);
static_assert(offsetof(DEVMODEA, dmBitsPerPel) == 104);
static_assert(offsetof(DEVMODEA, dmPelsWidth) == 108);
static_assert(offsetof(DEVMODEA, dmPelsHeight) == 112);
static_assert(offsetof(DEVMODEA, dmDisplayFlags) == 116);
static_assert(offsetof(DEVMODEA, dmDisplayFrequency) == 120);
static_assert(offsetof(DEVMODEA, dmPanningHeight) == 152);
static_assert(sizeof(DISPLAY_DEVICEA) == 424, "DISPLAY_DEVICEA must keep the Windows size");
static_assert(offsetof(DISPLAY_DEVICEA, DeviceName) == 4);
static_assert(offsetof(DISPLAY_DEVICEA, DeviceString) == 36);
static_assert(offsetof(DISPLAY_DEVICEA, StateFlags) == 164);
static_assert(offsetof(DISPLAY_DEVICEA, DeviceID) == 168);
static_assert(offsetof(DISPLAY_DEVICEA, DeviceKey) == 296);

// EnumDisplayDevicesA: DISPLAY_DEVICEA::StateFlags.
constexpr DWORD DISPLAY_DEVICE_ATTACHED_TO_DESKTOP = 0x00000001;
constexpr DWORD DISPLAY_DEVICE_PRIMARY_DEVICE = 0x00000004;

// DEVMODEA::dmFields.
constexpr DWORD DM_POSITION = 0x00000020;
constexpr DWORD DM_BITSPERPEL = 0x00040000;
constexpr DWORD DM_PELSWIDTH = 0x00080000;
constexpr DWORD DM_PELSHEIGHT = 0x00100000;
constexpr DWORD DM_DISPLAYFLAGS = 0x00200000;
constexpr DWORD DM_DISPLAYFREQUENCY = 0x00400000;

// ChangeDisplaySettingsExA: flags and results.
constexpr DWORD CDS_UPDATEREGISTRY = 0x00000001;
constexpr DWORD CDS_TEST = 0x00000002;
constexpr LONG DISP_CHANGE_SUCCESSFUL = 0;
constexpr LONG DISP_CHANGE_RESTART = 1;
constexpr LONG DISP_CHANGE_FAILED = -1;
constexpr LONG DISP_CHANGE_BADMODE = -2;
constexpr LONG DISP_CHANGE_NOTUPDATED = -3;
constexpr LONG DISP_CHANGE_BADFLAGS = -4;
constexpr LONG DISP_CHANGE_BADPARAM = -5;
constexpr LONG DISP_CHANGE_BADDUALVIEW = -6;

// GetDeviceCaps indices.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int VREFRESH = 116;

// Messaging.
inline const HWND HWND_BROADCAST = reinterpret_cast<HWND>(0xFFFF);
constexpr UINT WM_SETTINGCHANGE = 0x001A;
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONWARNING = 0x00000030;
constexpr int IDOK = 1;

// Processes.
constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_BAD_FORMAT = 11;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
