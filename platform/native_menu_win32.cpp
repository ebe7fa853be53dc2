#include "platform/native_menu.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

HMENU M(MenuHandle menu) { return reinterpret_cast<HMENU>(menu); }

void AppendItems(HMENU menu, std::span<const MenuItemSpec> items) {
  for (const auto& item : items) {
    if (item.caption == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item.disabled ? MF_GRAYED : 0) | (item.checked ? MF_CHECKED : 0);
    UINT_PTR id = item.command;
    if (!item.items.empty()) {
      HMENU popup = CreatePopupMenu();
      AppendItems(popup, item.items);
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(popup);
    }
    AppendMenuW(menu, flags, id, Wide(item.caption).c_str());
  }
}

}  // namespace

MenuHandle CreateMenuBar(std::span<const MenuItemSpec> items) {
  HMENU menu = CreateMenu();
  AppendItems(menu, items);
  return reinterpret_cast<MenuHandle>(menu);
}

MenuHandle CreatePopupMenuOf(std::span<const MenuItemSpec> items) {
  HMENU menu = CreatePopupMenu();
  AppendItems(menu, items);
  return reinterpret_cast<MenuHandle>(menu);
}

void DestroyNativeMenu(MenuHandle menu) {
  if (menu != 0) DestroyMenu(M(menu));
}

void SetWindowMenu(WindowHandle window, MenuHandle menu) {
  SetMenu(reinterpret_cast<HWND>(window), M(menu));
  DrawMenuBar(reinterpret_cast<HWND>(window));
}

ScreenPoint CursorScreenPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

void TrackPopupMenuAt(MenuHandle popup, WindowHandle owner, int x, int y) {
  HWND window = reinterpret_cast<HWND>(owner);
  // Without the foreground the menu would not close when clicked outside.
  SetForegroundWindow(window);
  TrackPopupMenu(M(popup), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  PostMessageW(window, WM_NULL, 0, 0);
}

}  // namespace vorlix::platform
