#include "runtime/core/events/window_notice_handling.h"

#include "platform/message_queue.h"
#include "platform/window_notices.h"
#include "runtime/core/events/raise_unit_event.h"
#include "runtime/core/events/window_events.h"
#include "runtime/core/events/input_events.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/state/program_end.h"
#include "runtime/core/state/runtime_state.h"

namespace vorlix::core {
namespace {

void RaiseTimerEvent(platform::WindowHandle timer) {
  if (auto unit = UnitOfWindowHandle(timer)) RaiseUnitEvent(unit->window, unit->unit, 0);
}

void WindowGone(platform::WindowHandle window) {
  auto unit = UnitOfWindowHandle(window);
  if (!unit || unit->unit != kWindowOwnRecordId) return;
  ForgetLiveWindow(unit->window);
  if (!AnyLiveWindow() && Runtime().loop_started) platform::PostQuit(0);
}

std::optional<std::intptr_t> Observe(const platform::Notice& notice) {
  using platform::NoticeKind;
  switch (notice.kind) {
    case NoticeKind::kTimerTick: RaiseTimerEvent(notice.window); return std::nullopt;
    case NoticeKind::kWindowGone: WindowGone(notice.window); return std::nullopt;
    case NoticeKind::kEndRequested: EndProgram(static_cast<int>(notice.value));
    case NoticeKind::kCloseRequest:
    case NoticeKind::kDestroying:
    case NoticeKind::kMoved:
    case NoticeKind::kResized:
    case NoticeKind::kActivated:
    case NoticeKind::kDeactivated:
    case NoticeKind::kShown:
    case NoticeKind::kHidden:
    case NoticeKind::kMenuCommand: return HandleWindowNotice(notice);
    default: return HandleUnitNotice(notice);
  }
}

}  // namespace

void InstallWindowNoticeHandling() {
  platform::SetNoticeObserver(Observe);
  SetPreTranslateHook(PreTranslateWindowMessage);
}

}  // namespace vorlix::core
