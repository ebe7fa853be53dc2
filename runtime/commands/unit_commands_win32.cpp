#include "runtime/commands/unit_commands.h"

#include "platform/edit_control.h"
#include "runtime/commands/window_handle_integer.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/units/window_menu.h"

namespace vorlix::commands {

void EditBoxAddText(const core::UnitReference& edit_box, const std::vector<core::Text>& texts) {
  const platform::WindowHandle control = core::RequireLiveUnit(edit_box.window, edit_box.unit).window();
  for (const core::Text& text : texts) platform::AppendEditText(control, text);
}

std::int32_t GetWindowHandle(const core::UnitReference& unit) {
  return IntegerOfNativeWindow(core::RequireLiveUnit(unit.window, unit.unit).window());
}

void PopupMenu(const core::UnitReference& window, const core::UnitReference& menu, std::optional<std::int32_t> x,
               std::optional<std::int32_t> y) {
  core::RequireLiveUnit(window.window, window.unit);
  core::ShowPopupMenu(window.window, menu.window, menu.unit, x, y);
}

void PopupJoinedMenus(const core::UnitReference& window, const std::vector<core::UnitReference>& menus) {
  core::RequireLiveUnit(window.window, window.unit);
  std::vector<core::UnitId> items;
  for (const core::UnitReference& menu : menus) {
    if (menu.window != window.window) return;
    items.push_back(menu.unit);
  }
  core::ShowPopupMenu(window.window, window.window, items, std::nullopt, std::nullopt);
}

}  // namespace vorlix::commands
