// The reason of the last failed call, as GetLastError reports it.
#pragma once

#include "platform/records.h"

namespace vantiro::x11 {

void SetLastErrorCode(DWORD code);

}  // namespace vantiro::x11
