#include "runtime/core/events/window_focus.h"

#include "runtime/core/events/focus_order.h"

namespace vorlix::core {

std::vector<LiveUnitEntry*> FocusOrder(LiveWindow& live, const WindowRecord& window) {
  std::vector<LiveUnitEntry*> order;
  for (UnitId id : TabStopOrder(window)) {
    LiveUnitEntry* entry = live.Find(id);
    if (entry == nullptr || entry->unit->type().IsNonVisual()) continue;
    const auto handle = entry->unit->window();
    if (platform::IsNativeWindowShowing(handle) && platform::IsNativeWindowEnabled(handle)) order.push_back(entry);
  }
  return order;
}

void FocusFirstUnit(LiveWindow& live, const WindowRecord& window) {
  if (!platform::IsNativeWindowShowing(live.frame->window())) return;
  const auto order = FocusOrder(live, window);
  if (!order.empty()) platform::FocusNativeWindow(order.front()->unit->window());
}

}  // namespace vorlix::core
