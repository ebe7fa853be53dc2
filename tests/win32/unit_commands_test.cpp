#include "runtime/commands/unit_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/native/fatal_error_capture.h"
#include "tests/win32/unit_command_window.h"
#include "texts.h"

namespace vorlix::commands {
namespace {

using test::UnitCommandWindow;
using namespace test::sample;

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

using EditBoxAddTextTest = UnitCommandWindow;

TEST_F(EditBoxAddTextTest, both_texts_are_appended_in_order_after_the_existing_text) {
  HWND edit = Control(kEditBox);
  SetWindowTextW(edit, L"甲\r\n");
  SendMessageW(edit, EM_SETSEL, 0, 0);

  EditBoxAddText(edit_box_, {test::Gbk(L"乙"), "two\r\n"});

  EXPECT_EQ(TextOf(edit), L"甲\r\n乙two\r\n");
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 9u) << "the caret ends after the added text";
  EXPECT_EQ(end, 9u);
}

TEST_F(EditBoxAddTextTest, added_text_leaves_no_undo_step) {
  HWND edit = Control(kEditBox);
  SetWindowTextW(edit, L"kept");
  SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);

  EditBoxAddText(edit_box_, {"added"});

  EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
}

using GetWindowHandleTest = UnitCommandWindow;

TEST_F(GetWindowHandleTest, gives_the_units_native_window_and_the_windows_for_its_own_reference) {
  EXPECT_EQ(GetWindowHandle(list_), static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(Control(kListView))));
  EXPECT_EQ(GetWindowHandle(window_),
            static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(test::WindowOf(test::kSampleWindow))));
}

TEST_F(GetWindowHandleTest, a_unit_that_is_not_loaded_is_a_fatal_error) {
  const core::UnitReference missing{0x52017777, kButton, core::type_codes::kButton};
  const auto error = test::FatalErrorOf([&] { GetWindowHandle(missing); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kUnitNotLoaded);
}

// Finds the popup menu once it shows, notes where and what it shows, and
// chooses its first item with the keyboard (or closes it).
class MenuDriver {
 public:
  explicit MenuDriver(bool choose) : choose_(choose) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
  }
  ~MenuDriver() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }

  bool shown = false;
  RECT place{};
  std::wstring first_item;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MenuDriver* driver = current_;
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (driver == nullptr || driver->shown || menu == nullptr || !IsWindowVisible(menu)) return;
    driver->shown = true;
    GetWindowRect(menu, &driver->place);
    HMENU items = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
    wchar_t caption[64] = {};
    GetMenuStringW(items, 0, caption, 64, MF_BYPOSITION);
    driver->first_item = caption;
    if (driver->choose_) {
      PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    } else {
      EndMenu();
    }
  }

  static inline MenuDriver* current_ = nullptr;
  bool choose_;
  UINT_PTR timer_ = 0;
};

class PopupMenuTest : public UnitCommandWindow {
 protected:
  const core::UnitReference menu_ = Ref(kPopupMenu, core::type_codes::kMenu);
};

TEST_F(PopupMenuTest, shows_the_menus_items_at_the_given_place) {
  MenuDriver driver(false);

  PopupMenu(window_, menu_, 200, 150);

  ASSERT_TRUE(driver.shown);
  EXPECT_EQ(driver.place.left, 200);
  EXPECT_EQ(driver.place.top, 150);
  EXPECT_EQ(driver.first_item, L"删除当前路径");
}

TEST_F(PopupMenuTest, without_a_place_shows_at_the_mouse_pointer_moved_3_right_and_3_down) {
  SetCursorPos(300, 200);
  MenuDriver driver(false);

  PopupMenu(window_, menu_, std::nullopt, 180);

  ASSERT_TRUE(driver.shown);
  EXPECT_EQ(driver.place.left, 303);
  EXPECT_EQ(driver.place.top, 180);
}

// The window turns its menu commands into the items' click events.
TEST_F(PopupMenuTest, a_chosen_item_reaches_the_window_as_that_items_menu_command) {
  MenuDriver driver(true);

  PopupMenu(window_, menu_, 200, 150);

  ASSERT_TRUE(driver.shown);
  MSG command{};
  ASSERT_TRUE(PeekMessageW(&command, test::WindowOf(test::kSampleWindow), WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
  constexpr WPARAM kRemoveItemCommand = 20000 + 5;  // the sixth item of the window's menu run
  EXPECT_EQ(LOWORD(command.wParam), kRemoveItemCommand);
}

TEST_F(PopupMenuTest, a_menu_of_another_window_shows_nothing) {
  MenuDriver driver(false);
  const core::UnitReference foreign_menu{0x52010099, kPopupMenu, core::type_codes::kMenu};

  PopupMenu(window_, foreign_menu, 200, 150);

  EXPECT_FALSE(driver.shown);
}

}  // namespace
}  // namespace vorlix::commands
