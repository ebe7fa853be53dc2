#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// A reference to a unit or window that is not loaded is the fatal
// "指定窗口或窗口组件不存在或尚未载入".

// Appends each text in turn at the end of the edit box's text, scrolled into
// view, without an undo step.
void EditBoxAddText(const core::UnitReference& edit_box, const std::vector<core::Text>& texts);

// The native window handle of the unit, or of the window for its own
// reference.
std::int32_t GetWindowHandle(const core::UnitReference& unit);

// Shows the items of a menu of the window as a popup menu owned by it, at
// the mouse pointer moved 3 pixels right and down (a given x or y, on the
// screen, replaces that coordinate), and returns when it closes; a chosen
// item raises its click event through the window. A menu of another window
// shows nothing.
void PopupMenu(const core::UnitReference& window, const core::UnitReference& menu,
               std::optional<std::int32_t> x = std::nullopt, std::optional<std::int32_t> y = std::nullopt);

// PopupMenu of a menu followed, after a separator, by the items of more
// menus of the same window, as one popup.
void PopupJoinedMenus(const core::UnitReference& window, const std::vector<core::UnitReference>& menus);

}  // namespace vorlix::commands
