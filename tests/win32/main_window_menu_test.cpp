// The two hidden menus of the main window as the popups they serve as: their
// items, command ids and captions, read from the real popup while it shows.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "app/mainwindow/main_window_units.h"
#include "runtime/core/units/window_menu.h"
#include "tests/template_data/main_window_layout.h"
#include "tests/win32/main_window_fixture.h"

namespace vorlix::test {
namespace {

namespace layout = tests::main_window_layout;
namespace menu = app::main_window::menu;

struct ShownItem {
  UINT command;
  std::u16string caption;
  UINT state;

  bool operator==(const ShownItem&) const = default;
};

std::vector<ShownItem> shown;
HHOOK hook = nullptr;

// Reads the popup as it opens, then closes it again.
LRESULT CALLBACK WatchPopup(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && message->message == WM_INITMENUPOPUP) {
    HMENU popup = reinterpret_cast<HMENU>(message->wParam);
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
      wchar_t caption[64] = {};
      GetMenuStringW(popup, i, caption, 64, MF_BYPOSITION);
      shown.push_back({GetMenuItemID(popup, i), reinterpret_cast<const char16_t*>(caption),
                       GetMenuState(popup, i, MF_BYPOSITION)});
    }
    EndMenu();
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

class MainWindowMenus : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(Build());
    shown.clear();
    hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchPopup, nullptr, GetCurrentThreadId());
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook);
    MainWindowTest::TearDown();
  }

  std::vector<ShownItem> PopupOf(core::UnitId item) {
    shown.clear();
    core::ShowPopupMenu(core::kMainWindowId, core::kMainWindowId, item, 100, 100);
    return shown;
  }

  static std::vector<ShownItem> Expected(int first, int last) {
    std::vector<ShownItem> items;
    for (const layout::MenuItem& item : layout::kMenu) {
      if (item.command >= first && item.command <= last) {
        items.push_back({static_cast<UINT>(item.command), std::u16string(item.caption), MF_ENABLED | MF_UNCHECKED});
      }
    }
    return items;
  }
};

TEST_F(MainWindowMenus, folder_menu_pops_up_its_four_items_as_commands_20001_to_20004) {
  EXPECT_EQ(PopupOf(menu::菜单), Expected(20001, 20004));
}

// After its four items and a separator: copy and move keeping the folders,
// another separator, the counts per name and the export.
TEST_F(MainWindowMenus, result_menu_pops_up_its_items_as_commands_20006_to_20015_with_two_separators) {
  std::vector<ShownItem> expected = Expected(20006, 20015);
  for (ShownItem& item : expected) {
    if (item.caption == u"-") item = {0, u"", MF_SEPARATOR};
  }
  std::vector<ShownItem> popup = PopupOf(menu::定位);
  // Wine also calls a separator disabled and greyed; only what it is counts.
  for (ShownItem& item : popup) {
    if (item.state & MF_SEPARATOR) item.state = MF_SEPARATOR;
  }
  EXPECT_EQ(popup, expected);
}

}  // namespace
}  // namespace vorlix::test
