#include "runtime/core/events/window_events.h"

#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/menu_plan.h"
#include "runtime/core/events/raise_unit_event.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"

namespace vorlix::core {
namespace {

using platform::NoticeKind;

constexpr std::int32_t kCloseQuery = 1;
constexpr std::int32_t kDestroyed = 2;
constexpr std::int32_t kMoved = 3;
constexpr std::int32_t kResized = 4;
constexpr std::int32_t kActivated = 5;
constexpr std::int32_t kDeactivated = 6;
constexpr std::int32_t kFirstActivation = 8;
constexpr std::int32_t kShown = 10;
constexpr std::int32_t kHidden = 11;
constexpr std::int32_t kMenuItemSelected = 0;

void RaiseMenuItemEvent(WindowId window, unsigned command) {
  const WindowTemplate* found = FindWindow(Runtime().windows, window);
  if (found == nullptr) return;
  if (UnitId item = MenuItemOfCommand(found->record, command); item != 0) {
    RaiseUnitEvent(window, item, kMenuItemSelected);
  }
}

void Activated(WindowId window) {
  LiveWindow* live = FindLiveWindow(window);
  if (live == nullptr || EventDeliverySuspended()) return;
  if (!live->activated_before) {
    live->activated_before = true;
    RaiseUnitEvent(window, kWindowOwnRecordId, kFirstActivation);
  }
  RaiseUnitEvent(window, kWindowOwnRecordId, kActivated);
  live = FindLiveWindow(window);
  if (live == nullptr || live->last_focused == 0) return;
  if (LiveUnit* unit = FindLiveUnit(window, live->last_focused);
      unit != nullptr && platform::IsNativeWindowShowing(unit->window()) &&
      platform::IsNativeWindowEnabled(unit->window())) {
    platform::FocusNativeWindow(unit->window());
  }
}

}  // namespace

void CatchUpFirstActivation(WindowId window) {
  LiveWindow* live = FindLiveWindow(window);
  if (live != nullptr && !live->activated_before && platform::ActiveWindow() == live->frame->window()) {
    Activated(window);
  }
}

std::optional<std::intptr_t> HandleWindowNotice(const platform::Notice& notice) {
  auto address = UnitOfWindowHandle(notice.window);
  if (!address || address->unit != kWindowOwnRecordId) return std::nullopt;
  const WindowId window = address->window;
  switch (notice.kind) {
    case NoticeKind::kCloseRequest:
      if (Refused(RaiseUnitEvent(window, kWindowOwnRecordId, kCloseQuery))) return 0;
      return std::nullopt;
    case NoticeKind::kDestroying: RaiseUnitEvent(window, kWindowOwnRecordId, kDestroyed); break;
    case NoticeKind::kMoved: RaiseUnitEvent(window, kWindowOwnRecordId, kMoved); break;
    case NoticeKind::kResized: RaiseUnitEvent(window, kWindowOwnRecordId, kResized); break;
    case NoticeKind::kActivated: Activated(window); break;
    case NoticeKind::kDeactivated: RaiseUnitEvent(window, kWindowOwnRecordId, kDeactivated); break;
    case NoticeKind::kShown: RaiseUnitEvent(window, kWindowOwnRecordId, kShown); break;
    case NoticeKind::kHidden: RaiseUnitEvent(window, kWindowOwnRecordId, kHidden); break;
    case NoticeKind::kMenuCommand: RaiseMenuItemEvent(window, static_cast<unsigned>(notice.value)); break;
    default: break;
  }
  return std::nullopt;
}

}  // namespace vorlix::core
