#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/native_window.h"
#include "platform/top_level_window.h"

namespace vorlix::platform {

// One item of a menu bar or popup menu. An item with sub-items opens a popup.
struct MenuItemSpec {
  std::string caption;  // GBK; "-" makes a separator
  unsigned command = 0;
  bool disabled = false;
  bool checked = false;
  std::vector<MenuItemSpec> items;
};

MenuHandle CreateMenuBar(std::span<const MenuItemSpec> items);
MenuHandle CreatePopupMenuOf(std::span<const MenuItemSpec> items);
// Destroys the menu and its popups.
void DestroyNativeMenu(MenuHandle menu);

// Puts the bar (0: none) on the window, redrawn; the old bar is the caller's.
void SetWindowMenu(WindowHandle window, MenuHandle menu);

struct ScreenPoint {
  int x = 0;
  int y = 0;
};
ScreenPoint CursorScreenPosition();

// Shows the popup at the screen position; it follows the right button too,
// and a chosen item is sent to the owner as its command. Returns when the
// menu has closed.
void TrackPopupMenuAt(MenuHandle popup, WindowHandle owner, int x, int y);

}  // namespace vorlix::platform
