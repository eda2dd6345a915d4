// The ANSI code page's lead bytes, for searches over command-line text.
#include "platform/platform.h"

namespace vantiro::platform {

BOOL IsDBCSLeadByte(BYTE byte) { return ::IsDBCSLeadByte(byte); }

}  // namespace vantiro::platform
