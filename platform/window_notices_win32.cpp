#include "platform/window_notices_win32.h"

namespace vorlix::platform {
namespace {

NoticeObserver observer = nullptr;

}  // namespace

void SetNoticeObserver(NoticeObserver new_observer) { observer = new_observer; }

std::optional<LRESULT> Report(NoticeKind kind, HWND window, std::intptr_t value, std::intptr_t value2) {
  if (observer == nullptr) return std::nullopt;
  return observer(Notice{kind, reinterpret_cast<WindowHandle>(window), value, value2});
}

}  // namespace vorlix::platform
