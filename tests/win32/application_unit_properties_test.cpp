// The unit properties the application reads and writes by number, on the
// built sample window's real controls.
#include "runtime/core/units/unit_properties.h"

#include <gtest/gtest.h>

#include "tests/win32/unit_command_window.h"

namespace vorlix::core {
namespace {

using namespace test::sample;
using test::Gbk;
using test::kSampleWindow;

class ApplicationUnitProperties : public test::UnitCommandWindow {
 protected:
  static Value Read(UnitId unit, int number) { return ReadUnitProperty(kSampleWindow, unit, number); }
  static void Write(UnitId unit, int number, Value value) { WriteUnitProperty(kSampleWindow, unit, number, value); }
  static std::int32_t ReadInteger(UnitId unit, int number) {
    const Value value = Read(unit, number);
    const auto* integer = value.get_if<std::int32_t>();
    EXPECT_NE(integer, nullptr) << "property " << number << " reads as an integer";
    return integer != nullptr ? *integer : -12345;
  }
  static bool ReadTruth(UnitId unit, int number) {
    const Value value = Read(unit, number);
    const auto* truth = value.get_if<bool>();
    EXPECT_NE(truth, nullptr) << "property " << number << " reads as a truth value";
    return truth != nullptr && *truth;
  }
  static Text ReadText(UnitId unit, int number) {
    const Value value = Read(unit, number);
    const auto* text = value.get_if<Text>();
    EXPECT_NE(text, nullptr) << "property " << number << " reads as a text";
    return text != nullptr ? *text : Text("<not a text>");
  }
  static std::wstring NativeText(UnitId unit) {
    wchar_t text[256] = {};
    GetWindowTextW(Control(unit), text, 256);
    return text;
  }
};

TEST_F(ApplicationUnitProperties, visible_5_shows_and_hides_the_native_window) {
  Write(kButton, 5, false);
  EXPECT_FALSE(IsWindowVisible(Control(kButton)));
  EXPECT_FALSE(ReadTruth(kButton, 5));
  Write(kButton, 5, true);
  EXPECT_TRUE(IsWindowVisible(Control(kButton)));
  EXPECT_TRUE(ReadTruth(kButton, 5));
}

TEST_F(ApplicationUnitProperties, disabled_6_disables_and_enables_the_native_window) {
  Write(kButton, 6, true);
  EXPECT_FALSE(IsWindowEnabled(Control(kButton)));
  EXPECT_TRUE(ReadTruth(kButton, 6));
  Write(kButton, 6, false);
  EXPECT_TRUE(IsWindowEnabled(Control(kButton)));
  EXPECT_FALSE(ReadTruth(kButton, 6));
}

TEST_F(ApplicationUnitProperties, edit_box_8_is_its_text_including_what_the_user_typed) {
  Write(kEditBox, 8, Gbk(L"甲.txt\r\n乙.jpg"));
  EXPECT_EQ(NativeText(kEditBox), L"甲.txt\r\n乙.jpg");
  SetWindowTextW(Control(kEditBox), L"typed 丙");
  EXPECT_EQ(ReadText(kEditBox, 8), Gbk(L"typed 丙"));
}

TEST_F(ApplicationUnitProperties, label_8_is_its_caption) {
  Write(kStatus, 8, Gbk(L"搜索完毕,共搜索到文件5个。"));
  EXPECT_EQ(ReadText(kStatus, 8), Gbk(L"搜索完毕,共搜索到文件5个。"));
}

TEST_F(ApplicationUnitProperties, button_10_is_its_caption) {
  Write(kButton, 10, Gbk(L"停止搜索"));
  EXPECT_EQ(NativeText(kButton), L"停止搜索");
  EXPECT_EQ(ReadText(kButton, 10), Gbk(L"停止搜索"));
}

TEST_F(ApplicationUnitProperties, checked_18_checks_and_unchecks_and_leaves_radio_neighbours_alone) {
  Write(kCheckBox, 18, true);
  EXPECT_EQ(SendMessageW(Control(kCheckBox), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(ReadTruth(kCheckBox, 18));
  Write(kCheckBox, 18, std::int32_t{0});
  EXPECT_EQ(SendMessageW(Control(kCheckBox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(ReadTruth(kCheckBox, 18));

  Write(kRadioB, 18, true);
  EXPECT_TRUE(ReadTruth(kRadioB, 18));
  EXPECT_TRUE(ReadTruth(kRadioA, 18)) << "the neighbour keeps its check";
}

TEST_F(ApplicationUnitProperties, process_bar_maximum_12_is_held_within_0_to_32767) {
  Write(kProcessBar, 12, std::int32_t{40000});
  EXPECT_EQ(ReadInteger(kProcessBar, 12), 32767);
  Write(kProcessBar, 12, std::int32_t{-5});
  EXPECT_EQ(ReadInteger(kProcessBar, 12), 0);
}

TEST_F(ApplicationUnitProperties, process_bar_range_runs_from_the_smaller_to_the_larger_limit) {
  Write(kProcessBar, 11, std::int32_t{50});
  Write(kProcessBar, 12, std::int32_t{10});
  PBRANGE range{};
  SendMessageW(Control(kProcessBar), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 10);
  EXPECT_EQ(range.iHigh, 50);
}

TEST_F(ApplicationUnitProperties, process_bar_position_13_is_held_within_0_to_32767_and_the_bar_within_its_range) {
  Write(kProcessBar, 12, std::int32_t{100});
  Write(kProcessBar, 13, std::int32_t{70});
  EXPECT_EQ(SendMessageW(Control(kProcessBar), PBM_GETPOS, 0, 0), 70);
  Write(kProcessBar, 13, std::int32_t{500});
  EXPECT_EQ(SendMessageW(Control(kProcessBar), PBM_GETPOS, 0, 0), 100);
  Write(kProcessBar, 12, std::int32_t{32767});
  Write(kProcessBar, 13, std::int32_t{99999});
  EXPECT_EQ(ReadInteger(kProcessBar, 13), 32767);
  Write(kProcessBar, 13, std::int32_t{-1});
  EXPECT_EQ(ReadInteger(kProcessBar, 13), 0);
}

TEST_F(ApplicationUnitProperties, list_view_35_is_the_lowest_selected_row_or_minus_1) {
  HWND list = Control(kListView);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < 8; ++i) {
    LVITEMW item{};
    item.iItem = i;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  EXPECT_EQ(ReadInteger(kListView, 35), -1);
  for (int row : {7, 3}) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  }
  EXPECT_EQ(ReadInteger(kListView, 35), 3);
}

TEST_F(ApplicationUnitProperties, menu_item_0_is_its_caption_also_in_the_menu_bar) {
  Write(kOpenItem, 0, Gbk(L"打开文件"));
  EXPECT_EQ(ReadText(kOpenItem, 0), Gbk(L"打开文件"));
  HMENU bar = GetMenu(test::WindowOf(kSampleWindow));
  wchar_t caption[64] = {};
  GetMenuStringW(GetSubMenu(bar, 0), 0, caption, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(caption).substr(0, 4), L"打开文件");
}

}  // namespace
}  // namespace vorlix::core
