#pragma once

#include <optional>
#include <span>

#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// Makes the window's menu bar and shortcut keys again from its menu items,
// after one of them changed.
void RebuildMenuBar(LiveWindow& live, const WindowRecord& window);

// Shows the popup of a top-level menu item (hidden or not) of `menu_window`,
// owned by `owner`, at the mouse position moved 3 pixels right and down; a
// given x or y (screen) replaces that coordinate. A chosen item reaches the
// owner as its menu command. Nothing happens when the item belongs to
// another window, the owner does not exist, or the item holds no items.
void ShowPopupMenu(WindowId owner, WindowId menu_window, UnitId item, std::optional<int> x, std::optional<int> y);
// The same with the popups of several items joined (see JoinedPopupItems).
void ShowPopupMenu(WindowId owner, WindowId menu_window, std::span<const UnitId> items, std::optional<int> x,
                   std::optional<int> y);

}  // namespace vorlix::core
