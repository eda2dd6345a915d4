#include "app/notices.h"

#include "platform/platform.h"

namespace vantiro {

const char NoticeTitle[] = "Vantiro 3.12 from Orvane (orvane.com)";

void ShowNotice(const std::string& text, const RunOptions& options) {
  if (options.quiet) return;
  // The box has no owner: the program has no window. Its answer is not needed.
  platform::MessageBoxA(nullptr, text.c_str(), NoticeTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace vantiro
