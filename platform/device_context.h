// A display device context that is released when it goes out of scope.
#pragma once

#include "platform/platform.h"

namespace vantiro {

class DeviceContext {
 public:
  // `device` may be empty; the context may be null when the platform cannot
  // make one, and then every capability reads as the platform answers for it.
  explicit DeviceContext(const char* device)
      : context_(platform::CreateDCA("DISPLAY", device, nullptr, nullptr)) {}
  ~DeviceContext() { platform::DeleteDC(context_); }
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  int Capability(int index) const { return platform::GetDeviceCaps(context_, index); }

 private:
  HDC context_;
};

}  // namespace vantiro
