#include "runtime/core/window_notice_handling.h"

#include "platform/message_queue.h"
#include "platform/window_notices.h"
#include "runtime/core/event_dispatch.h"
#include "runtime/core/live_windows.h"
#include "runtime/core/program_end.h"
#include "runtime/core/runtime_state.h"

namespace vorlix::core {
namespace {

void RaiseTimerEvent(platform::WindowHandle timer) {
  if (auto unit = UnitOfWindowHandle(timer)) {
    EventRequest request{unit->window, unit->unit, 0, {}};
    RaiseEvent(request);
  }
}

void WindowGone(platform::WindowHandle window) {
  auto unit = UnitOfWindowHandle(window);
  if (!unit || unit->unit != kWindowOwnRecordId) return;
  ForgetLiveWindow(unit->window);
  if (!AnyLiveWindow() && Runtime().loop_started) platform::PostQuit(0);
}

std::optional<std::intptr_t> Observe(const platform::Notice& notice) {
  switch (notice.kind) {
    case platform::NoticeKind::kTimerTick: RaiseTimerEvent(notice.window); break;
    case platform::NoticeKind::kWindowGone: WindowGone(notice.window); break;
    case platform::NoticeKind::kEndRequested: EndProgram(static_cast<int>(notice.value));
  }
  return std::nullopt;
}

}  // namespace

void InstallWindowNoticeHandling() { platform::SetNoticeObserver(Observe); }

}  // namespace vorlix::core
