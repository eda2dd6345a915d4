#include "platform/memory/memory_platform.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <utility>

namespace vantiro::memory {

namespace {

// Copies `text` into a fixed platform field, cut to fit and always terminated.
template <std::size_t N>
void CopyField(char (&field)[N], const std::string& text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

std::optional<std::string> OptionalText(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}

std::string Hex(std::uintmax_t value) {
  std::ostringstream out;
  out << "0x" << std::hex << value;
  return out.str();
}

std::string DescribeMode(const DEVMODEA& mode) {
  std::ostringstream out;
  out << mode.dmPelsWidth << 'x' << mode.dmPelsHeight << 'x' << mode.dmBitsPerPel << '@'
      << mode.dmDisplayFrequency;
  return out.str();
}

DeviceCaps CapsOf(const DEVMODEA& mode) {
  return DeviceCaps{static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight),
                    static_cast<int>(mode.dmBitsPerPel), static_cast<int>(mode.dmDisplayFrequency)};
}

bool Offers(const Adapter& adapter, const DEVMODEA& mode) {
  return std::any_of(adapter.modes.begin(), adapter.modes.end(), [&](const DEVMODEA& offered) {
    return offered.dmPelsWidth == mode.dmPelsWidth && offered.dmPelsHeight == mode.dmPelsHeight &&
           offered.dmBitsPerPel == mode.dmBitsPerPel &&
           offered.dmDisplayFrequency == mode.dmDisplayFrequency;
  });
}

// Windows' handle types are distinct pointer types, so the type is the caller's.
template <typename Handle>
Handle HandleFromNumber(std::uintptr_t number) {
  return reinterpret_cast<Handle>(number);
}
std::uintptr_t NumberFromHandle(const void* handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

constexpr std::uintptr_t kFirstProcessHandle = 0x1000;
constexpr std::uintptr_t kFirstThreadHandle = 0x2000;

}  // namespace

const char* OperationName(Operation operation) {
  switch (operation) {
    case Operation::OpenDisplayServices: return "OpenDisplayServices";
    case Operation::EnumDisplayDevices: return "EnumDisplayDevicesA";
    case Operation::EnumDisplaySettings: return "EnumDisplaySettingsA";
    case Operation::ChangeDisplaySettings: return "ChangeDisplaySettingsExA";
    case Operation::CreateDC: return "CreateDCA";
    case Operation::GetDeviceCaps: return "GetDeviceCaps";
    case Operation::DeleteDC: return "DeleteDC";
    case Operation::SendMessage: return "SendMessageA";
    case Operation::MessageBox: return "MessageBoxA";
    case Operation::GetCommandLine: return "GetCommandLineA";
    case Operation::CreateProcess: return "CreateProcessA";
    case Operation::WaitForSingleObject: return "WaitForSingleObject";
    case Operation::CloseHandle: return "CloseHandle";
    case Operation::GetLastError: return "GetLastError";
    case Operation::IsDBCSLeadByte: return "IsDBCSLeadByte";
  }
  return "?";
}

std::string Describe(const PlatformCall& call) {
  std::ostringstream out;
  out << OperationName(call.operation) << '(';
  const std::string device = call.device ? '"' + *call.device + '"' : std::string("null");
  switch (call.operation) {
    case Operation::EnumDisplayDevices:
    case Operation::EnumDisplaySettings: out << device << ", " << call.index; break;
    case Operation::ChangeDisplaySettings:
      out << device << ", " << (call.mode ? DescribeMode(*call.mode) : std::string("null"))
          << ", flags=" << call.flags;
      if (!call.nullWindow) out << ", window=" << Hex(call.handle);
      if (!call.nullParameter) out << ", parameter";
      break;
    case Operation::CreateDC: out << '"' << call.text << "\", " << device; break;
    case Operation::GetDeviceCaps: out << Hex(call.handle) << ", " << call.index; break;
    case Operation::SendMessage:
      out << Hex(call.handle) << ", " << Hex(call.index) << ", " << call.detail;
      break;
    case Operation::MessageBox:
      out << '"' << call.text << "\", \"" << call.caption << "\", " << Hex(call.flags);
      if (!call.nullWindow) out << ", owner=" << Hex(call.handle);
      break;
    case Operation::CreateProcess: out << '"' << call.text << '"'; break;
    case Operation::WaitForSingleObject: out << Hex(call.handle) << ", " << Hex(call.index); break;
    case Operation::DeleteDC:
    case Operation::CloseHandle: out << Hex(call.handle); break;
    case Operation::OpenDisplayServices:
    case Operation::GetCommandLine:
    case Operation::GetLastError:
    case Operation::IsDBCSLeadByte: break;
  }
  out << ')';
  return out.str();
}

Adapter* MemoryPlatform::FindAdapter(const char* device) {
  if (device == nullptr || *device == '\0') {
    const auto primary = std::find_if(adapters.begin(), adapters.end(), [](const Adapter& a) {
      return (a.stateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0;
    });
    if (primary != adapters.end()) return &*primary;
    return adapters.empty() ? nullptr : &adapters.front();
  }
  const auto named = std::find_if(adapters.begin(), adapters.end(),
                                  [&](const Adapter& a) { return a.deviceName == device; });
  return named == adapters.end() ? nullptr : &*named;
}

std::vector<PlatformCall> MemoryPlatform::Effects() const {
  std::vector<PlatformCall> effects;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(effects),
               [](const PlatformCall& call) {
                 switch (call.operation) {
                   case Operation::ChangeDisplaySettings:
                   case Operation::SendMessage:
                   case Operation::CreateProcess:
                   case Operation::WaitForSingleObject:
                   case Operation::MessageBox: return true;
                   default: return false;
                 }
               });
  return effects;
}

std::vector<std::string> MemoryPlatform::DescribeEffects() const {
  std::vector<std::string> described;
  for (const PlatformCall& call : Effects()) described.push_back(Describe(call));
  return described;
}

std::vector<PlatformCall> MemoryPlatform::MessageBoxes() const {
  std::vector<PlatformCall> boxes;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(boxes),
               [](const PlatformCall& call) { return call.operation == Operation::MessageBox; });
  return boxes;
}

void MemoryPlatform::CountCall(Operation operation) {
  ++callCounts[static_cast<std::size_t>(operation)];
}

void MemoryPlatform::Record(PlatformCall call) {
  CountCall(call.operation);
  if (keepLog) calls.push_back(std::move(call));
}

MemoryPlatform& TheMemoryPlatform() {
  static MemoryPlatform platform;
  return platform;
}

DEVMODEA MakeDevMode(DWORD width, DWORD height, DWORD depth, DWORD refresh) {
  DEVMODEA mode{};
  mode.dmSize = sizeof(DEVMODEA);
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  mode.dmPelsWidth = width;
  mode.dmPelsHeight = height;
  mode.dmBitsPerPel = depth;
  mode.dmDisplayFrequency = refresh;
  return mode;
}

Adapter MakeAdapter(std::string deviceName, DWORD stateFlags, std::vector<std::string> monitors,
                    DeviceCaps current) {
  Adapter adapter;
  adapter.deviceName = std::move(deviceName);
  adapter.stateFlags = stateFlags;
  adapter.monitors = std::move(monitors);
  adapter.current = current;
  adapter.registry = current;
  return adapter;
}

ArgumentVector::ArgumentVector(std::vector<std::string> arguments)
    : storage_(std::move(arguments)) {
  for (std::string& argument : storage_) pointers_.push_back(argument.data());
  pointers_.push_back(nullptr);
}

}  // namespace vantiro::memory

// The backend: every platform operation acts on TheMemoryPlatform().
namespace vantiro::platform {

using memory::Operation;
using memory::PlatformCall;
using memory::TheMemoryPlatform;

BOOL OpenDisplayServices() {
  auto& fake = TheMemoryPlatform();
  PlatformCall call{Operation::OpenDisplayServices};
  call.result = fake.displayServicesAvailable;
  fake.Record(std::move(call));
  return fake.displayServicesAvailable ? TRUE : FALSE;
}

BOOL EnumDisplayDevicesA(const char* device, DWORD index, DISPLAY_DEVICEA* record, DWORD flags) {
  auto& fake = TheMemoryPlatform();
  PlatformCall call{Operation::EnumDisplayDevices};
  call.device = memory::OptionalText(device);
  call.index = index;
  call.flags = flags;
  BOOL found = FALSE;
  const DWORD cb = record->cb;
  if (device == nullptr) {
    if (index < fake.adapters.size()) {
      const memory::Adapter& adapter = fake.adapters[index];
      *record = DISPLAY_DEVICEA{};
      record->cb = cb;
      memory::CopyField(record->DeviceName, adapter.deviceName);
      memory::CopyField(record->DeviceString, "Memory Display Adapter");
      record->StateFlags = adapter.stateFlags;
      found = TRUE;
    }
  } else {
    const auto adapter =
        std::find_if(fake.adapters.begin(), fake.adapters.end(),
                     [&](const memory::Adapter& a) { return a.deviceName == device; });
    if (adapter != fake.adapters.end() && index < adapter->monitors.size()) {
      *record = DISPLAY_DEVICEA{};
      record->cb = cb;
      memory::CopyField(record->DeviceName,
                        adapter->deviceName + "\\Monitor" + std::to_string(index));
      memory::CopyField(record->DeviceString, adapter->monitors[index]);
      record->StateFlags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
      found = TRUE;
    }
  }
  call.result = found;
  fake.Record(std::move(call));
  return found;
}

BOOL EnumDisplaySettingsA(const char* device, DWORD modeIndex, DEVMODEA* mode) {
  auto& fake = TheMemoryPlatform();
  const memory::Adapter* adapter = fake.FindAdapter(device);
  const BOOL found = adapter != nullptr && modeIndex < adapter->modes.size();
  if (found) *mode = adapter->modes[modeIndex];
  if (fake.keepLog) {
    PlatformCall call{Operation::EnumDisplaySettings};
    call.device = memory::OptionalText(device);
    call.index = modeIndex;
    call.result = found;
    fake.Record(std::move(call));
  } else {
    // Benchmarks enumerate millions of modes: count them without building an
    // entry that would only be thrown away.
    fake.CountCall(Operation::EnumDisplaySettings);
  }
  return found;
}

LONG ChangeDisplaySettingsExA(const char* device, DEVMODEA* mode, HWND window, DWORD flags,
                              void* parameter) {
  auto& fake = TheMemoryPlatform();
  PlatformCall call{Operation::ChangeDisplaySettings};
  call.device = memory::OptionalText(device);
  call.flags = flags;
  call.nullWindow = window == nullptr;
  call.handle = memory::NumberFromHandle(window);
  call.nullParameter = parameter == nullptr;
  memory::Adapter* adapter = fake.FindAdapter(device);
  LONG result = DISP_CHANGE_SUCCESSFUL;
  if (mode == nullptr) {
    if (adapter != nullptr) adapter->current = adapter->registry;
  } else {
    call.mode = *mode;
    if (!fake.changeResults.empty()) {
      result = fake.changeResults.front();
      fake.changeResults.pop_front();
    } else if (adapter == nullptr) {
      result = DISP_CHANGE_BADPARAM;
    } else if (!memory::Offers(*adapter, *mode)) {
      result = DISP_CHANGE_BADMODE;
    }
    if (result == DISP_CHANGE_SUCCESSFUL && adapter != nullptr && (flags & CDS_TEST) == 0) {
      adapter->current = memory::CapsOf(*mode);
      if ((flags & CDS_UPDATEREGISTRY) != 0) adapter->registry = adapter->current;
    }
  }
  call.result = result;
  fake.Record(std::move(call));
  return result;
}

HDC CreateDCA(const char* driver, const char* device, const char* /*output*/,
              const DEVMODEA* /*initialisation*/) {
  auto& fake = TheMemoryPlatform();
  PlatformCall call{Operation::CreateDC};
  call.text = driver == nullptr ? "" : driver;
  call.device = memory::OptionalText(device);
  HDC context = nullptr;
  const memory::Adapter* adapter = fake.FindAdapter(device);
  if (!fake.createDcFails && adapter != nullptr) {
    context = memory::HandleFromNumber<HDC>(
        static_cast<std::uintptr_t>(adapter - fake.adapters.data()) + 1);
  }
  call.handle = memory::NumberFromHandle(context);
  fake.Record(std::move(call));
  return context;
}

int GetDeviceCaps(HDC context, int index) {
  auto& fake = TheMemoryPlatform();
  PlatformCall call{Operation::GetDeviceCaps};
  call.handle = memory::NumberFromHandle(context);
  call.index = static_cast<DWORD>(index);
  int value = 0;
  const std::uintptr_t number = memory::NumberFromHandle(context);
  if (number != 0 && number <= fake.adapters.size()) {
    const memory::DeviceCaps& caps = fake.adapters[number - 1].current;
    switch (index) {
      case HORZRES: value = caps.width; break;
      case VERTRES: value = caps.height; break;
      case BITSPIXEL: value = caps.bitsPerPixel; break;
      case VREFRESH: value = caps.refresh; break;
      default: break;
    }
  }
  call.result = value;
  fake.Record(std::move(call));
  return value;
}

BOOL DeleteDC(HDC context) {
  PlatformCall call{Operation::DeleteDC};
  call.handle = memory::NumberFromHandle(context);
  call.result = context != nullptr;
  TheMemoryPlatform().Record(std::move(call));
  return context != nullptr;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PlatformCall call{Operation::SendMessage};
  call.nullWindow = window == nullptr;
  call.handle = memory::NumberFromHandle(window);
  call.index = message;
  call.detail = std::to_string(wParam) + ", " + std::to_string(lParam);
  TheMemoryPlatform().Record(std::move(call));
  return 0;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT style) {
  PlatformCall call{Operation::MessageBox};
  call.nullWindow = owner == nullptr;
  call.handle = memory::NumberFromHandle(owner);
  call.text = text == nullptr ? "" : text;
  call.caption = caption == nullptr ? "" : caption;
  call.flags = style;
  call.result = IDOK;
  TheMemoryPlatform().Record(std::move(call));
  return IDOK;
}

const char* GetCommandLineA() {
  auto& fake = TheMemoryPlatform();
  fake.Record(PlatformCall{Operation::GetCommandLine});
  return fake.commandLine.c_str();
}

BOOL CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                    void* environment, const char* currentDirectory, STARTUPINFOA* startupInfo,
                    PROCESS_INFORMATION* processInformation) {
  auto& fake = TheMemoryPlatform();
  PlatformCall call{Operation::CreateProcess};
  call.text = commandLine == nullptr ? "" : commandLine;
  call.flags = creationFlags;
  call.index = startupInfo == nullptr ? 0 : startupInfo->cb;
  bool startupZeroed = false;
  if (startupInfo != nullptr) {
    STARTUPINFOA expected{};
    expected.cb = startupInfo->cb;
    startupZeroed = std::memcmp(&expected, startupInfo, sizeof expected) == 0;
  }
  std::ostringstream detail;
  detail << "application=" << (applicationName == nullptr ? "null" : applicationName)
         << " processAttributes=" << (processAttributes == nullptr ? "null" : "set")
         << " threadAttributes=" << (threadAttributes == nullptr ? "null" : "set")
         << " inherit=" << inheritHandles
         << " environment=" << (environment == nullptr ? "null" : "set")
         << " directory=" << (currentDirectory == nullptr ? "null" : currentDirectory)
         << " startupZeroed=" << (startupZeroed ? "yes" : "no");
  call.detail = detail.str();

  memory::StartResult outcome;
  if (!fake.startResults.empty()) {
    outcome = fake.startResults.front();
    fake.startResults.pop_front();
  }
  if (outcome.started) {
    const std::uintptr_t serial = fake.Count(Operation::CreateProcess) + 1;
    processInformation->hProcess =
        memory::HandleFromNumber<HANDLE>(memory::kFirstProcessHandle + serial);
    processInformation->hThread =
        memory::HandleFromNumber<HANDLE>(memory::kFirstThreadHandle + serial);
    processInformation->dwProcessId = static_cast<DWORD>(100 + serial);
    processInformation->dwThreadId = static_cast<DWORD>(200 + serial);
    const memory::Adapter* seen = fake.FindAdapter(nullptr);
    fake.modesSeenByPrograms.push_back(seen == nullptr ? memory::DeviceCaps{} : seen->current);
  } else {
    fake.lastError = outcome.error;
  }
  call.result = outcome.started ? TRUE : FALSE;
  fake.Record(std::move(call));
  return outcome.started ? TRUE : FALSE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  PlatformCall call{Operation::WaitForSingleObject};
  call.handle = memory::NumberFromHandle(handle);
  call.index = milliseconds;
  call.result = WAIT_OBJECT_0;
  TheMemoryPlatform().Record(std::move(call));
  return WAIT_OBJECT_0;
}

BOOL CloseHandle(HANDLE handle) {
  PlatformCall call{Operation::CloseHandle};
  call.handle = memory::NumberFromHandle(handle);
  call.result = handle != nullptr;
  TheMemoryPlatform().Record(std::move(call));
  return handle != nullptr;
}

DWORD GetLastError() {
  auto& fake = TheMemoryPlatform();
  PlatformCall call{Operation::GetLastError};
  call.result = fake.lastError;
  fake.Record(std::move(call));
  return fake.lastError;
}

// Counted but not logged: the multibyte-aware searches ask once per byte,
// which would bury the calls that tests look at.
BOOL IsDBCSLeadByte(BYTE byte) {
  auto& fake = TheMemoryPlatform();
  fake.CountCall(Operation::IsDBCSLeadByte);
  return fake.leadBytes[byte] ? TRUE : FALSE;
}

}  // namespace vantiro::platform
