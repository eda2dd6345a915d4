// The setting-change broadcast and the message box.
#include "platform/platform.h"

namespace vantiro::platform {

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(window, message, wParam, lParam);
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT style) {
  return ::MessageBoxA(owner, text, caption, style);
}

}  // namespace vantiro::platform
