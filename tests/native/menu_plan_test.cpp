#include "runtime/core/template/menu_plan.h"

#include <gtest/gtest.h>

#include "runtime/core/template/menu_shortcuts.h"

namespace vorlix::core {
namespace {

TemplateRecord Item(UnitId id, std::uint32_t level, Text caption, std::uint32_t flags = 0,
                    std::uint32_t shortcut = 0) {
  MenuItemRecord item;
  item.level = level;
  item.caption = std::move(caption);
  item.flags = flags;
  item.shortcut = shortcut;
  return {id, item};
}

// The window's own record, a unit, then the menu run.
WindowRecord WindowWithMenu(std::vector<TemplateRecord> run) {
  WindowRecord window;
  window.records.push_back({kWindowOwnRecordId, UnitRecord{}});
  window.records.push_back({0x16010001, UnitRecord{}});
  for (auto& item : run) window.records.push_back(std::move(item));
  return window;
}

TEST(MenuBar, items_deeper_than_the_one_before_form_its_popup) {
  const auto window = WindowWithMenu({Item(0x26010001, 0, "File"), Item(0x26010002, 1, "Open"),
                                      Item(0x26010003, 2, "Recent"), Item(0x26010004, 1, "Quit"),
                                      Item(0x26010005, 0, "Help")});
  const auto bar = MenuBarItems(window);
  ASSERT_EQ(bar.size(), 2u);
  ASSERT_EQ(bar[0].items.size(), 2u);
  EXPECT_EQ(bar[0].items[0].caption, "Open");
  ASSERT_EQ(bar[0].items[0].items.size(), 1u);
  EXPECT_EQ(bar[0].items[0].items[0].command, 20002u);
  EXPECT_EQ(bar[0].items[1].command, 20003u);
  EXPECT_EQ(bar[1].caption, "Help");
  EXPECT_TRUE(bar[1].items.empty());
}

TEST(MenuBar, hidden_items_and_what_they_hold_are_left_out_but_keep_their_numbers) {
  const auto window = WindowWithMenu({Item(0x26010001, 0, "Popup", menu_flags::kHidden),
                                      Item(0x26010002, 1, "Inside"), Item(0x26010003, 0, "Shown"),
                                      Item(0x26010004, 1, "Gone", menu_flags::kHidden),
                                      Item(0x26010005, 1, "Kept")});
  const auto bar = MenuBarItems(window);
  ASSERT_EQ(bar.size(), 1u);
  EXPECT_EQ(bar[0].command, 20002u);
  ASSERT_EQ(bar[0].items.size(), 1u);
  EXPECT_EQ(bar[0].items[0].caption, "Kept");
  EXPECT_EQ(bar[0].items[0].command, 20004u);
}

TEST(MenuBar, disabled_checked_and_shortcut_items) {
  const auto window = WindowWithMenu({Item(0x26010001, 0, "Edit"),
                                      Item(0x26010002, 1, "Copy", menu_flags::kChecked | menu_flags::kDisabled, 3)});
  const auto item = MenuBarItems(window)[0].items[0];
  EXPECT_TRUE(item.checked);
  EXPECT_TRUE(item.disabled);
  EXPECT_EQ(item.caption, "Copy\tCtrl+C");
  const auto keys = MenuAccelerators(window);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].command, 20001u);
  EXPECT_EQ(keys[0].key, 'C');
  EXPECT_TRUE(keys[0].ctrl);
}

TEST(MenuBar, a_hidden_top_level_item_still_gives_its_popup_on_demand) {
  const auto window = WindowWithMenu({Item(0x26010001, 0, "Folders", menu_flags::kHidden),
                                      Item(0x26010002, 1, "Remove"), Item(0x26010003, 1, "Check all"),
                                      Item(0x26010004, 0, "Results", menu_flags::kHidden),
                                      Item(0x26010005, 1, "Open")});
  const auto popup = PopupItemsOf(window, 0x26010004);
  ASSERT_EQ(popup.size(), 1u);
  EXPECT_EQ(popup[0].command, 20004u);
  EXPECT_EQ(PopupItemsOf(window, 0x26010001).size(), 2u);
  EXPECT_TRUE(PopupItemsOf(window, 0x26010002).empty()) << "not a top-level item";
  EXPECT_EQ(MenuItemOfCommand(window, 20003), 0x26010004u);
  EXPECT_EQ(CommandOfMenuItem(window, 0x26010005), 20004u);
  EXPECT_EQ(MenuItemOfCommand(window, 20009), 0u);
}

TEST(MenuBar, joined_popups_follow_one_another_with_a_separator_between) {
  const auto window = WindowWithMenu({Item(0x26010001, 0, "Folders", menu_flags::kHidden),
                                      Item(0x26010002, 1, "Remove"), Item(0x26010003, 0, "Results", menu_flags::kHidden),
                                      Item(0x26010004, 1, "Open"), Item(0x26010005, 0, "Empty", menu_flags::kHidden),
                                      Item(0x26010006, 0, "More", menu_flags::kHidden),
                                      Item(0x26010007, 1, "Index", menu_flags::kChecked)});
  const UnitId shown[] = {0x26010001, 0x26010005, 0x26010006};
  const auto popup = JoinedPopupItems(window, shown);
  ASSERT_EQ(popup.size(), 3u) << "an empty popup adds no separator";
  EXPECT_EQ(popup[0].command, 20001u);
  EXPECT_EQ(popup[1].caption, "-");
  EXPECT_EQ(popup[2].command, 20006u);
  EXPECT_TRUE(popup[2].checked);
}

TEST(MenuShortcuts, the_table_begins_with_ctrl_letters_and_has_77_entries) {
  EXPECT_EQ(MenuShortcut(1)->name, "Ctrl+A");
  EXPECT_EQ(MenuShortcut(26)->name, "Ctrl+Z");
  EXPECT_EQ(MenuShortcut(27)->name, "F1");
  EXPECT_EQ(MenuShortcut(27)->key, 0x70);
  EXPECT_EQ(MenuShortcut(39)->name, "Ctrl+F1");
  EXPECT_EQ(MenuShortcut(74)->name, "Ctrl+Shift+F12");
  EXPECT_EQ(MenuShortcut(77)->name, "Del");
  EXPECT_FALSE(MenuShortcut(0).has_value());
  EXPECT_FALSE(MenuShortcut(78).has_value());
}

}  // namespace
}  // namespace vorlix::core
