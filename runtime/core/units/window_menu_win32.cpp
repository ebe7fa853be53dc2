#include "runtime/core/units/window_menu.h"

#include "platform/native_menu.h"
#include "runtime/core/template/menu_plan.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"

namespace vorlix::core {

void RebuildMenuBar(LiveWindow& live, const WindowRecord& window) {
  const auto items = MenuBarItems(window);
  const platform::MenuHandle old_menu = live.menu;
  live.menu = items.empty() ? 0 : platform::CreateMenuBar(items);
  platform::SetWindowMenu(live.frame->window(), live.menu);
  platform::DestroyNativeMenu(old_menu);
  platform::DestroyAccelerators(live.accelerators);
  live.accelerators = platform::CreateAccelerators(MenuAccelerators(window));
}

void ShowPopupMenu(WindowId owner, WindowId menu_window, UnitId item, std::optional<int> x, std::optional<int> y) {
  ShowPopupMenu(owner, menu_window, std::span<const UnitId>(&item, 1), x, y);
}

void ShowPopupMenu(WindowId owner, WindowId menu_window, std::span<const UnitId> shown, std::optional<int> x,
                   std::optional<int> y) {
  constexpr int kOffset = 3;
  if (owner != menu_window) return;
  LiveWindow* live = FindLiveWindow(owner);
  const WindowTemplate* found = FindWindow(Runtime().windows, menu_window);
  if (live == nullptr || found == nullptr) return;
  const auto items = JoinedPopupItems(found->record, shown);
  if (items.empty()) return;
  const auto cursor = platform::CursorScreenPosition();
  const platform::MenuHandle popup = platform::CreatePopupMenuOf(items);
  platform::TrackPopupMenuAt(popup, live->frame->window(), x.value_or(cursor.x + kOffset),
                             y.value_or(cursor.y + kOffset));
  platform::DestroyNativeMenu(popup);
}

}  // namespace vorlix::core
