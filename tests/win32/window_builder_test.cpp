// Building a window from its description on real controls.
#include "runtime/core/program/window_builder.h"

#include <gtest/gtest.h>

#include "tests/win32/window_test_support.h"  // first: it undoes windows.h's FindWindow macro
#include <commctrl.h>

#include <algorithm>

#include "runtime/core/template/build_plan.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/test_windows.h"

namespace vorlix::test {
namespace {

using namespace core;
using namespace sample;

class WindowBuilding : public ::testing::Test {
 protected:
  void Load(int timer_period = 0) {
    auto description = NewDescription();
    DescribeSampleWindow(description, timer_period);
    LoadDescription(description);
  }
  void TearDown() override { CloseAllWindows(); }

  HWND Frame() const { return WindowOf(kSampleWindow); }
  HWND Unit(UnitId unit) const { return WindowOf(kSampleWindow, unit); }
  LONG Style(UnitId unit) const { return GetWindowLongW(Unit(unit), GWL_STYLE); }
};

TEST_F(WindowBuilding, control_ids_run_from_100_in_steps_of_10_oldest_unit_first) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  const UnitId creation_order[] = {kEditBox, kHint,   kLabel,          kButton, kShapeBox, kRadioA,
                                   kRadioB,  kCheckBox, kListView,     kProcessBar, kListBox, kDisabledButton,
                                   kStatus,  kTimer,  kDropTarget,     kHiddenCheckBox, kSingleLineEdit};
  int expected = 100;
  for (UnitId unit : creation_order) {
    ASSERT_NE(Unit(unit), nullptr) << std::hex << unit;
    EXPECT_EQ(GetDlgCtrlID(Unit(unit)), expected) << std::hex << unit;
    expected += 10;
  }
}

TEST_F(WindowBuilding, units_on_a_container_are_child_windows_of_the_container) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  EXPECT_EQ(GetParent(Unit(kRadioA)), Unit(kShapeBox));
  EXPECT_EQ(GetParent(Unit(kCheckBox)), Unit(kShapeBox));
  EXPECT_EQ(GetParent(Unit(kShapeBox)), Frame());
  EXPECT_EQ(GetParent(Unit(kTimer)), Frame());
  RECT radio;
  GetWindowRect(Unit(kRadioA), &radio);
  MapWindowPoints(HWND_DESKTOP, Unit(kShapeBox), reinterpret_cast<POINT*>(&radio), 2);
  EXPECT_EQ(radio.left, 6) << "positions are in the container's client area";
  EXPECT_EQ(radio.top, 6);
}

TEST_F(WindowBuilding, units_of_one_parent_are_stacked_newest_record_first) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  std::vector<HWND> stacked;
  for (HWND child = GetWindow(Frame(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    stacked.push_back(child);
  }
  const UnitId newest_first[] = {kSingleLineEdit, kHiddenCheckBox, kDropTarget, kTimer,  kStatus,
                                 kDisabledButton, kListBox,        kProcessBar, kListView, kShapeBox,
                                 kButton,         kLabel,          kHint,       kEditBox};
  std::vector<HWND> expected;
  for (UnitId unit : newest_first) expected.push_back(Unit(unit));
  std::erase_if(stacked, [&](HWND w) { return std::find(expected.begin(), expected.end(), w) == expected.end(); });
  EXPECT_EQ(stacked, expected);
  EXPECT_EQ(GetWindow(Unit(kRadioA), GW_HWNDPREV), Unit(kRadioB)) << "in the container too";
  EXPECT_EQ(GetWindow(Unit(kRadioB), GW_HWNDPREV), Unit(kCheckBox));
}

TEST_F(WindowBuilding, visibility_and_disabled_state_come_from_the_record) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  EXPECT_TRUE(IsWindowVisible(Unit(kButton)));
  EXPECT_FALSE(IsWindowVisible(Unit(kHiddenCheckBox)));
  EXPECT_FALSE(IsWindowVisible(Unit(kTimer))) << "a non-visual unit is never shown";
  EXPECT_FALSE(IsWindowVisible(Unit(kDropTarget)));
  EXPECT_FALSE(IsWindowEnabled(Unit(kDisabledButton)));
  EXPECT_TRUE(IsWindowEnabled(Unit(kButton)));
  EXPECT_TRUE(Style(kButton) & WS_TABSTOP);
  EXPECT_FALSE(GetWindowLongW(Unit(kTimer), GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(IsWindowVisible(Frame()));
}

TEST_F(WindowBuilding, window_with_a_fixed_frame_opens_centred_without_maximise_box) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  vorlix::testing::ExpectCentredWithOuterSize(Frame(), 560, 420);
  const LONG style = GetWindowLongW(Frame(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  wchar_t caption[64];
  GetWindowTextW(Frame(), caption, 64);
  EXPECT_STREQ(caption, L"示例窗口 Vorlix");
}

TEST_F(WindowBuilding, a_window_kept_out_of_the_task_bar_is_owned_by_the_hidden_owner) {
  auto description = NewDescription();
  DescribeSampleWindow(description).Frame().Set(window_props::kShownInTaskBar, 0);
  LoadDescription(description);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HWND owner = GetWindow(Frame(), GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_TRUE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(WindowBuilding, list_view_has_check_boxes_full_row_selection_columns_and_initial_rows) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HWND list = Unit(kListView);
  const auto extended = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_TRUE(extended & LVS_EX_CHECKBOXES);
  EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
  EXPECT_TRUE(extended & LVS_EX_INFOTIP);
  EXPECT_FALSE(extended & LVS_EX_GRIDLINES);
  EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 200);
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), 100);
  ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
  wchar_t text[64];
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"报告.txt");
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2))
      << "the first row is stored checked";
}

TEST_F(WindowBuilding, multi_line_edit_box_takes_enter_and_has_both_scroll_bars) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  const LONG style = Style(kEditBox);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_WANTRETURN);
  EXPECT_TRUE(style & ES_AUTOVSCROLL);
  EXPECT_TRUE(style & ES_AUTOHSCROLL);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_FALSE(Style(kSingleLineEdit) & ES_MULTILINE);
}

TEST_F(WindowBuilding, single_line_edit_box_is_at_least_one_line_high) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  RECT box;
  GetWindowRect(Unit(kSingleLineEdit), &box);
  EXPECT_GT(box.bottom - box.top, 12) << "stored 4 pixels high";
}

TEST_F(WindowBuilding, check_and_radio_boxes_start_as_stored_and_radio_groups_stay_in_their_container) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  EXPECT_EQ(SendMessageW(Unit(kRadioA), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Unit(kRadioB), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(Unit(kHiddenCheckBox), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(Unit(kRadioB), BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(Unit(kRadioB), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Unit(kRadioA), BM_GETCHECK, 0, 0), BST_UNCHECKED) << "one group per container";
}

TEST_F(WindowBuilding, progress_bar_and_list_box_show_their_stored_values) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  EXPECT_EQ(SendMessageW(Unit(kProcessBar), PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessageW(Unit(kProcessBar), PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(SendMessageW(Unit(kListBox), LB_GETCOUNT, 0, 0), 3);
}

TEST_F(WindowBuilding, nine_point_font_is_used_as_stored_with_a_chinese_face) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(Unit(kButton), WM_GETFONT, 0, 0));
  LOGFONTW stored{};
  ASSERT_TRUE(GetObjectW(font, sizeof stored, &stored));
  EXPECT_EQ(stored.lfHeight, -12);
  EXPECT_EQ(stored.lfWeight, FW_NORMAL);
  EXPECT_STREQ(stored.lfFaceName, L"宋体");
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Unit(kStatus), WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT))
      << "a unit without a stored font uses the default GUI font";
}

TEST_F(WindowBuilding, menu_bar_leaves_hidden_items_out_and_numbers_every_item_of_the_run) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HMENU bar = GetMenu(Frame());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 1) << "the hidden popup is not in the bar";
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(GetMenuItemID(file, 0), 20001u);
  EXPECT_EQ(GetMenuItemID(file, 2), 20003u);
  wchar_t caption[32];
  GetMenuStringW(file, 0, caption, 32, MF_BYPOSITION);
  EXPECT_STREQ(caption, L"打开\tCtrl+O");
  EXPECT_TRUE(GetMenuState(file, 20003, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(WindowBuilding, built_event_comes_first_then_moved_and_resized_with_delivery_resumed) {
  auto description = NewDescription();
  DescribeSampleWindow(description).Frame().On(0, "Record").On(3, "RecordOther").On(4, "Accept");
  LoadDescription(description);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"Record", "RecordOther", "Accept"}));
  EXPECT_EQ(HandlerCalls()[0].unit, kWindowOwnRecordId);
  EXPECT_FALSE(EventDeliverySuspended());
}

TEST_F(WindowBuilding, building_a_window_that_exists_keeps_its_units) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  HWND frame = Frame();
  HWND button = Unit(kButton);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  EXPECT_EQ(Frame(), frame);
  EXPECT_EQ(Unit(kButton), button);
}

TEST_F(WindowBuilding, a_refused_unit_fails_the_build_and_leaves_no_window) {
  auto description = NewDescription();
  DescribeSampleWindow(description);
  LoadDescription(description);
  // A layout version above the type's newest.
  FindRecord(FindWindow(Runtime().windows, kSampleWindow)->record, kLabel)->Unit()->property_data = {99, 0, 0, 0};
  EXPECT_FALSE(BuildWindow({kSampleWindow}));
  EXPECT_EQ(FindLiveWindow(kSampleWindow), nullptr);
  EXPECT_EQ(::FindWindowW(nullptr, L"示例窗口 Vorlix"), nullptr);
  EXPECT_FALSE(EventDeliverySuspended());
}

TEST_F(WindowBuilding, a_window_without_record_is_not_built) {
  Load();
  EXPECT_FALSE(BuildWindow({0x52010077}));
}

// A 2 x 2 bitmap file, 24 bits a pixel, rows padded to four bytes.
ByteSet TinyBitmapFile() {
  ByteSet file = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                  40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,
                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int row = 0; row < 2; ++row) {
    for (int byte = 0; byte < 8; ++byte) file.push_back(byte < 6 ? 0xFF : 0);
  }
  return file;
}

TEST_F(WindowBuilding, a_button_with_a_stored_bitmap_shows_it) {
  auto description = NewDescription();
  UnitIn(DescribeSampleWindow(description), kButton).Set(button_props::kPicture, TinyBitmapFile());
  LoadDescription(description);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  EXPECT_TRUE(Style(kButton) & BS_BITMAP);
  EXPECT_NE(SendMessageW(Unit(kButton), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  EXPECT_FALSE(Style(kDisabledButton) & BS_BITMAP) << "a button without a picture shows its caption";
}

TEST_F(WindowBuilding, a_modal_window_disables_the_others_until_it_closes) {
  auto description = NewDescription();
  DescribeSampleWindow(description);
  auto& dialog = description.windows.emplace_back(0x52010022, 0x1901000D);
  dialog.Frame().At(80, 80, 200, 120).Visible().Set(window_props::kCaption, Text("dialog"))
      .Set(window_props::kClassName, Text("VorlixTestDialog"));
  LoadDescription(description);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  ASSERT_TRUE(BuildWindow({0x52010022, true, true}));
  HWND modal = WindowOf(0x52010022);
  wchar_t class_name[32];
  GetClassNameW(modal, class_name, 32);
  EXPECT_STREQ(class_name, L"VorlixTestDialog");
  EXPECT_FALSE(IsWindowEnabled(Frame()));
  EXPECT_TRUE(IsWindowEnabled(modal));
  DestroyWindow(modal);
  EXPECT_TRUE(IsWindowEnabled(Frame()));
}

TEST_F(WindowBuilding, timer_raises_its_event_0_each_period) {
  Load(20);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  ASSERT_TRUE(PumpUntil([] { return HandlerCalls().size() >= 3; }));
  for (const auto& call : HandlerCalls()) {
    EXPECT_EQ(call.unit, kTimer);
    EXPECT_TRUE(call.arguments.empty());
  }
}

TEST_F(WindowBuilding, a_closed_window_is_forgotten) {
  Load();
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  DestroyWindow(Frame());
  EXPECT_EQ(FindLiveWindow(kSampleWindow), nullptr);
  EXPECT_EQ(FindLiveUnit(kSampleWindow, kButton), nullptr);
  EXPECT_TRUE(std::find(Runtime().open_windows.begin(), Runtime().open_windows.end(), kSampleWindow) ==
              Runtime().open_windows.end());
  ASSERT_TRUE(BuildWindow({kSampleWindow})) << "and can be built again";
}

}  // namespace
}  // namespace vorlix::test
