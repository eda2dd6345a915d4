#include "platform/x11/last_error.h"

#include "platform/platform.h"

namespace vantiro::x11 {

namespace {

DWORD lastError = ERROR_SUCCESS;

}  // namespace

void SetLastErrorCode(DWORD code) { lastError = code; }

}  // namespace vantiro::x11

namespace vantiro::platform {

DWORD GetLastError() { return x11::lastError; }

}  // namespace vantiro::platform
