// Unit properties by number, before and after the window exists, and units
// made again when a property needs a new window.
#include "runtime/core/units/unit_properties.h"

#include <gtest/gtest.h>

#include "native/fatal_error_capture.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "runtime/core/units/unit_recreation.h"
#include "runtime/core/program/window_builder.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/window_test_support.h"
#include "texts.h"
#include <commctrl.h>

namespace vorlix::test {
namespace {

using namespace core;
using namespace sample;

constexpr int kLeft = 0;
constexpr int kWidth = 2;
constexpr int kVisible = 5;
constexpr int kDisabled = 6;
constexpr int kTypeProperty = 8;

class UnitProperties : public ::testing::Test {
 protected:
  void SetUp() override {
    auto description = NewDescription();
    DescribeSampleWindow(description);
    LoadDescription(description);
  }
  void TearDown() override { CloseAllWindows(); }

  static Value Read(UnitId unit, int number) { return ReadUnitProperty(kSampleWindow, unit, number); }
  static void Write(UnitId unit, int number, const Value& value) {
    WriteUnitProperty(kSampleWindow, unit, number, value);
  }
  static std::int32_t Integer(const Value& value) { return *value.get_if<std::int32_t>(); }
  static bool Truth(const Value& value) { return *value.get_if<bool>(); }
  static Text TextOf(const Value& value) { return *value.get_if<Text>(); }
  HWND Unit(UnitId unit) const { return WindowOf(kSampleWindow, unit); }
};

TEST_F(UnitProperties, width_reads_as_stored_before_the_window_exists_and_live_after) {
  EXPECT_EQ(Integer(Read(kButton, kWidth)), 130);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  SetWindowPos(Unit(kButton), nullptr, 0, 0, 99, 28, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Integer(Read(kButton, kWidth)), 99);
}

TEST_F(UnitProperties, common_properties_written_before_the_build_are_used_by_it) {
  Write(kButton, kLeft, std::int32_t{150});
  Write(kButton, kDisabled, true);
  Write(kHiddenCheckBox, kVisible, true);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  RECT button;
  GetWindowRect(Unit(kButton), &button);
  MapWindowPoints(HWND_DESKTOP, WindowOf(kSampleWindow), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.left, 150);
  EXPECT_FALSE(IsWindowEnabled(Unit(kButton)));
  EXPECT_TRUE(IsWindowVisible(Unit(kHiddenCheckBox)));
}

TEST_F(UnitProperties, common_properties_written_to_a_live_unit_reach_its_window_and_outlive_it) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  Write(kButton, kVisible, false);
  Write(kListView, kDisabled, true);
  EXPECT_FALSE(IsWindowVisible(Unit(kButton)));
  EXPECT_FALSE(IsWindowEnabled(Unit(kListView)));
  EXPECT_FALSE(Truth(Read(kButton, kVisible)));
  EXPECT_TRUE(Truth(Read(kListView, kDisabled)));
  Write(kTimer, kVisible, true);
  EXPECT_FALSE(IsWindowVisible(Unit(kTimer))) << "a non-visual unit is never shown";
  DestroyWindow(WindowOf(kSampleWindow));
  EXPECT_FALSE(Truth(Read(kButton, kVisible))) << "the record keeps what was written";
  EXPECT_TRUE(Truth(Read(kListView, kDisabled)));
}

TEST_F(UnitProperties, type_properties_read_and_write_the_live_controls) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  Write(kStatus, kTypeProperty + label_props::kCaption, Gbk(L"搜索完毕"));
  wchar_t text[32];
  GetWindowTextW(Unit(kStatus), text, 32);
  EXPECT_STREQ(text, L"搜索完毕");
  EXPECT_EQ(TextOf(Read(kStatus, kTypeProperty + label_props::kCaption)), Gbk(L"搜索完毕"));
  Write(kButton, kTypeProperty + button_props::kCaption, Gbk(L"已停止"));
  EXPECT_EQ(TextOf(Read(kButton, 10)), Gbk(L"已停止"));
  SetWindowTextW(Unit(kEditBox), L"甲\r\n乙");
  EXPECT_EQ(TextOf(Read(kEditBox, kTypeProperty + edit_box_props::kContent)), Gbk(L"甲\r\n乙"));
}

TEST_F(UnitProperties, check_state_follows_the_user_and_a_write_leaves_the_other_radio_box) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  constexpr int kChecked = 18;
  EXPECT_FALSE(Truth(Read(kCheckBox, kChecked)));
  SendMessageW(Unit(kCheckBox), BM_CLICK, 0, 0);
  EXPECT_TRUE(Truth(Read(kCheckBox, kChecked)));
  Write(kRadioB, kChecked, std::int32_t{1});
  EXPECT_EQ(SendMessageW(Unit(kRadioB), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Unit(kRadioA), BM_GETCHECK, 0, 0), BST_CHECKED) << "neighbours are not changed";
  Write(kRadioA, kChecked, std::int32_t{2});
  EXPECT_EQ(SendMessageW(Unit(kRadioA), BM_GETCHECK, 0, 0), BST_CHECKED) << "any non-zero value checks";
}

TEST_F(UnitProperties, progress_bar_maximum_and_position_are_clamped) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  constexpr int kMaximum = 12;
  constexpr int kPosition = 13;
  Write(kProcessBar, kMaximum, std::int32_t{40000});
  EXPECT_EQ(Integer(Read(kProcessBar, kMaximum)), 32767);
  EXPECT_EQ(SendMessageW(Unit(kProcessBar), PBM_GETRANGE, FALSE, 0), 32767);
  Write(kProcessBar, kMaximum, std::int32_t{-5});
  EXPECT_EQ(Integer(Read(kProcessBar, kMaximum)), 0);
  Write(kProcessBar, kMaximum, std::int32_t{100});
  Write(kProcessBar, kPosition, std::int32_t{150});
  EXPECT_EQ(Integer(Read(kProcessBar, kPosition)), 100);
  EXPECT_EQ(SendMessageW(Unit(kProcessBar), PBM_GETPOS, 0, 0), 100);
}

TEST_F(UnitProperties, list_view_current_selection_is_the_lowest_selected_row) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  constexpr int kCurrent = 35;
  EXPECT_EQ(Integer(Read(kListView, kCurrent)), -1);
  LVITEMW selected{};
  selected.stateMask = LVIS_SELECTED;
  selected.state = LVIS_SELECTED;
  SendMessageW(Unit(kListView), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(Integer(Read(kListView, kCurrent)), 1);
  SendMessageW(Unit(kListView), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(Integer(Read(kListView, kCurrent)), 0);
}

TEST_F(UnitProperties, menu_item_caption_and_states_change_the_menu_bar) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  WriteUnitProperty(kSampleWindow, kOpenItem, 0, Gbk(L"打开文件"));
  EXPECT_EQ(TextOf(ReadUnitProperty(kSampleWindow, kOpenItem, 0)), Gbk(L"打开文件"));
  HMENU file = GetSubMenu(GetMenu(WindowOf(kSampleWindow)), 0);
  wchar_t caption[32];
  GetMenuStringW(file, 20001, caption, 32, MF_BYCOMMAND);
  EXPECT_STREQ(caption, L"打开文件\tCtrl+O");
  WriteUnitProperty(kSampleWindow, kQuitItem, 2, false);
  file = GetSubMenu(GetMenu(WindowOf(kSampleWindow)), 0);
  EXPECT_FALSE(GetMenuState(file, 20003, MF_BYCOMMAND) & MF_GRAYED);
  WriteUnitProperty(kSampleWindow, kQuitItem, 3, false);
  file = GetSubMenu(GetMenu(WindowOf(kSampleWindow)), 0);
  EXPECT_EQ(GetMenuItemCount(file), 2) << "a hidden item leaves the bar";
  EXPECT_FALSE(Truth(ReadUnitProperty(kSampleWindow, kQuitItem, 3)));
}

TEST_F(UnitProperties, window_caption_is_the_window_type_property_0) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  WriteUnitProperty(kSampleWindow, 0, kTypeProperty + window_props::kCaption, Gbk(L"新标题"));
  wchar_t caption[32];
  GetWindowTextW(WindowOf(kSampleWindow), caption, 32);
  EXPECT_STREQ(caption, L"新标题");
}

TEST_F(UnitProperties, type_property_of_a_unit_without_window_is_fatal) {
  auto error = FatalErrorOf([] { ReadUnitProperty(kSampleWindow, kButton, kTypeProperty); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kWindowNotLoaded);
  error = FatalErrorOf([] { WriteUnitProperty(kSampleWindow, kStatus, kTypeProperty, Text("x")); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kWindowNotLoaded);
}

TEST_F(UnitProperties, property_of_a_window_without_record_or_a_unknown_unit_is_fatal) {
  auto error = FatalErrorOf([] { ReadUnitProperty(0x52010077, kButton, kLeft); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kUnitWindowNotLoaded);
  error = FatalErrorOf([] { ReadUnitProperty(kSampleWindow, 0x16017777, kLeft); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kUnitNotLoaded);
}

TEST_F(UnitProperties, a_value_of_the_wrong_kind_is_runtime_error_11) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  auto error = FatalErrorOf([] { WriteUnitProperty(kSampleWindow, kButton, 10, std::int32_t{5}); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->code, 11);
}

TEST_F(UnitProperties, a_change_that_needs_a_new_edit_box_keeps_its_place_text_id_and_focus) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HWND old_box = Unit(kEditBox);
  SetWindowTextW(old_box, L"保留的文字");
  SetFocus(old_box);
  RECT before;
  GetWindowRect(old_box, &before);
  Write(kEditBox, kTypeProperty + edit_box_props::kMultiLine, false);
  HWND box = Unit(kEditBox);
  ASSERT_NE(box, old_box);
  EXPECT_FALSE(IsWindow(old_box));
  EXPECT_FALSE(GetWindowLongW(box, GWL_STYLE) & ES_MULTILINE);
  EXPECT_EQ(GetDlgCtrlID(box), 100);
  RECT after;
  GetWindowRect(box, &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right);
  wchar_t text[32];
  GetWindowTextW(box, text, 32);
  EXPECT_STREQ(text, L"保留的文字");
  EXPECT_EQ(GetFocus(), box);
  EXPECT_EQ(GetWindow(box, GW_HWNDPREV), Unit(kHint)) << "still below the hint that lies over it";
  EXPECT_TRUE(IsWindowVisible(box));
}

TEST_F(UnitProperties, a_new_list_view_keeps_its_rows) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HWND old_list = Unit(kListView);
  Write(kListView, kTypeProperty + list_view_props::kViewType, std::int32_t{2});
  HWND list = Unit(kListView);
  ASSERT_NE(list, old_list);
  EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
  EXPECT_EQ(GetWindow(list, GW_HWNDPREV), Unit(kProcessBar));
}

TEST_F(UnitProperties, a_container_made_again_takes_its_units_along) {
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HWND old_box = Unit(kShapeBox);
  RecreateUnit(*FindLiveWindow(kSampleWindow), FindWindow(Runtime().windows, kSampleWindow)->record, kShapeBox);
  HWND box = Unit(kShapeBox);
  ASSERT_NE(box, old_box);
  EXPECT_EQ(GetParent(Unit(kRadioA)), box);
  EXPECT_EQ(GetParent(Unit(kCheckBox)), box);
  EXPECT_EQ(GetWindow(box, GW_CHILD), Unit(kCheckBox)) << "stacking inside kept";
  EXPECT_EQ(GetWindow(Unit(kCheckBox), GW_HWNDNEXT), Unit(kRadioB));
}

}  // namespace
}  // namespace vorlix::test
