#pragma once

#include <span>
#include <vector>

#include "platform/accelerators.h"
#include "platform/native_menu.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// A window's menu items form one run of its record table; each item's
// command identifier is this plus its position in the run, hidden or not.
constexpr unsigned kFirstMenuCommand = 20000;

// The menu bar: hidden items (and whatever they hold) are left out, an item
// followed by deeper items opens a popup of them, a shortcut is appended to
// the caption after a tab.
std::vector<platform::MenuItemSpec> MenuBarItems(const WindowRecord& window);

// The items of the popup of a top-level item, hidden or not (the popup-menu
// command shows hidden top-level items this way). Empty when the item is not
// a top-level item of the run or holds nothing.
std::vector<platform::MenuItemSpec> PopupItemsOf(const WindowRecord& window, UnitId item);

// The popups of several top-level items as one, in their order, with a
// separator between two that hold items: a menu that the program extends
// without moving the command identifiers of the items that follow it.
std::vector<platform::MenuItemSpec> JoinedPopupItems(const WindowRecord& window, std::span<const UnitId> items);

// The shortcut keys of the items that are not hidden.
std::vector<platform::AcceleratorSpec> MenuAccelerators(const WindowRecord& window);

// The menu item that a command identifier names, or 0.
UnitId MenuItemOfCommand(const WindowRecord& window, unsigned command);
// The command identifier of a menu item, or 0 when it is not in the run.
unsigned CommandOfMenuItem(const WindowRecord& window, UnitId item);

}  // namespace vorlix::core
