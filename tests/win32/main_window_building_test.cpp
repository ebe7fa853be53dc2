// The main window built from the program's segment on real controls: its
// frame, where every unit lies, how they stack, and the state each starts in.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <string>

#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/template_loader.h"
#include "tests/template_data/main_window_layout.h"
#include "tests/template_data/main_window_records.h"
#include "tests/win32/main_window_fixture.h"
#include "tests/win32/test_windows.h"

namespace vorlix::test {
namespace {

using namespace core;
namespace layout = tests::main_window_layout;

std::u16string TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LONG Style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

class MainWindowBuilt : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(Build());
  }

  std::u16string NameOf(HWND window) const {
    auto unit = UnitOfWindowHandle(reinterpret_cast<platform::WindowHandle>(window));
    if (!unit) return u"?";
    const TemplateRecord* record = FindRecord(Window(), unit->unit);
    return platform::GbkToUtf16(record->Unit()->name);
  }
};

TEST_F(MainWindowBuilt, opens_centred_with_its_outer_size_caption_and_fixed_frame) {
  vorlix::testing::ExpectCentredWithOuterSize(Frame(), 859, 543);
  EXPECT_EQ(TextOf(Frame()), u"VorlixV5.2");
  const LONG style = Style(Frame());
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
  EXPECT_FALSE(GetWindowLongW(Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(Frame(), GW_OWNER), nullptr) << "an unowned window is shown in the task bar";
}

TEST_F(MainWindowBuilt, menu_bar_shows_no_item) {
  HMENU menu = GetMenu(Frame());
  EXPECT_TRUE(menu == nullptr || GetMenuItemCount(menu) == 0);
}

TEST_F(MainWindowBuilt, control_ids_run_from_100_in_creation_order) {
  int expected = 100;
  for (const TemplateRecord* record : tests::CreationOrder(Window())) {
    const std::u16string name = platform::GbkToUtf16(record->Unit()->name);
    ASSERT_NE(Unit(name), nullptr) << Utf8(name);
    EXPECT_EQ(GetDlgCtrlID(Unit(name)), expected) << Utf8(name);
    expected += 10;
  }
  EXPECT_EQ(GetDlgCtrlID(Unit(u"编辑框_文件名")), 100);
}

TEST_F(MainWindowBuilt, every_unit_lies_on_its_parent_at_its_place) {
  for (const layout::Unit& expected : layout::kUnits) {
    SCOPED_TRACE(Utf8(expected.name));
    HWND unit = Unit(expected.name);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(GetParent(unit), expected.parent.empty() ? Frame() : Unit(expected.parent));
    const RECT rect = RectInParent(unit);
    EXPECT_EQ(rect.left, expected.left);
    EXPECT_EQ(rect.top, expected.top);
    EXPECT_EQ(rect.right - rect.left, expected.width);
    // A list box of integral height (the default) is shrunk by the platform
    // to whole rows.
    if (expected.type == type_codes::kListBox) {
      EXPECT_LE(rect.bottom - rect.top, expected.height);
    } else {
      EXPECT_EQ(rect.bottom - rect.top, expected.height);
    }
  }
}

TEST_F(MainWindowBuilt, units_of_the_window_stack_in_the_specified_order) {
  std::vector<std::u16string> stacked;
  for (HWND child = GetWindow(Frame(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    stacked.push_back(NameOf(child));
  }
  const std::vector<std::u16string> expected(std::begin(layout::kStackingOrder), std::end(layout::kStackingOrder));
  EXPECT_EQ(stacked, expected);
}

TEST_F(MainWindowBuilt, every_unit_starts_visible_enabled_and_tab_stopped_as_listed) {
  for (const layout::Unit& expected : layout::kUnits) {
    SCOPED_TRACE(Utf8(expected.name));
    HWND unit = Unit(expected.name);
    EXPECT_EQ(IsWindowVisible(unit) != FALSE, expected.visible);
    EXPECT_EQ(IsWindowEnabled(unit) == FALSE, expected.disabled);
    // The platform moves the tab-stop style of radio buttons to the checked
    // one; the focus order takes the stored flag, tested by real Tab presses.
    if (expected.type == type_codes::kRadioBox) continue;
    const bool non_visual = expected.type == type_codes::kTimer || expected.type == type_codes::kDropTarget;
    EXPECT_EQ((Style(unit) & WS_TABSTOP) != 0, expected.tab_stop && !non_visual);
  }
}

TEST_F(MainWindowBuilt, captions_are_shown_exactly) {
  for (const layout::Unit& expected : layout::kUnits) {
    if (expected.type != type_codes::kButton && expected.type != type_codes::kCheckBox &&
        expected.type != type_codes::kRadioBox && expected.type != type_codes::kLabel) {
      continue;
    }
    EXPECT_EQ(TextOf(Unit(expected.name)), expected.caption) << Utf8(expected.name);
  }
}

TEST_F(MainWindowBuilt, nine_point_units_use_a_12_pixel_normal_font) {
  for (const layout::Unit& expected : layout::kUnits) {
    if (!expected.nine_point) continue;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Unit(expected.name), WM_GETFONT, 0, 0));
    LOGFONTW log{};
    ASSERT_NE(GetObjectW(font, sizeof log, &log), 0) << Utf8(expected.name);
    EXPECT_EQ(log.lfHeight, -12) << Utf8(expected.name);
    EXPECT_EQ(log.lfWeight, 400) << Utf8(expected.name);
    EXPECT_FALSE(log.lfItalic || log.lfUnderline) << Utf8(expected.name);
  }
}

TEST_F(MainWindowBuilt, options_start_with_chosen_folders_and_exact_match) {
  const std::pair<std::u16string_view, WPARAM> checks[] = {
      {u"单选框_指定路径", BST_CHECKED},  {u"单选框_整个电脑", BST_UNCHECKED}, {u"单选框_精确搜索", BST_CHECKED},
      {u"单选框_模糊搜索", BST_UNCHECKED}, {u"选择框_搜索目录", BST_UNCHECKED}, {u"选择框_保存路径", BST_UNCHECKED},
      {u"选择框_保存关键字", BST_UNCHECKED}, {u"选择框1", BST_UNCHECKED},       {u"选择框3", BST_CHECKED},
  };
  for (const auto& [name, state] : checks) {
    EXPECT_EQ(SendMessageW(Unit(name), BM_GETCHECK, 0, 0), static_cast<LRESULT>(state)) << Utf8(name);
  }
}

TEST_F(MainWindowBuilt, buttons_and_boxes_are_automatic_controls_of_their_kind) {
  for (const layout::Unit& expected : layout::kUnits) {
    const LONG kind = Style(Unit(expected.name)) & BS_TYPEMASK;
    if (expected.type == type_codes::kButton) EXPECT_EQ(kind, BS_PUSHBUTTON) << Utf8(expected.name);
    if (expected.type == type_codes::kCheckBox) EXPECT_EQ(kind, BS_AUTOCHECKBOX) << Utf8(expected.name);
    if (expected.type == type_codes::kRadioBox) EXPECT_EQ(kind, BS_AUTORADIOBUTTON) << Utf8(expected.name);
  }
}

std::u16string ColumnText(HWND list, int column) {
  wchar_t text[64] = {};
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT | LVCF_FMT;
  info.pszText = text;
  info.cchTextMax = 64;
  ListView_GetColumn(list, column, &info);
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

TEST_F(MainWindowBuilt, result_list_is_an_empty_report_with_two_clickable_columns) {
  HWND list = Unit(u"超级列表框1");
  EXPECT_EQ(Style(list) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_FALSE(Style(list) & LVS_NOCOLUMNHEADER);
  EXPECT_FALSE(Style(list) & LVS_NOSORTHEADER) << "headers are buttons";
  EXPECT_FALSE(Style(list) & (LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_EDITLABELS));
  ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 2);
  EXPECT_EQ(ColumnText(list, 0), u"文件路径");
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), 450);
  EXPECT_EQ(ColumnText(list, 1), u"文件名");
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), 100);
  EXPECT_EQ(ListView_GetItemCount(list), 0);
  EXPECT_FALSE(ListView_GetExtendedListViewStyle(list) & LVS_EX_GRIDLINES);
}

TEST_F(MainWindowBuilt, folder_list_is_an_empty_report_of_one_column_without_header) {
  HWND list = Unit(u"超级列表框_路径");
  EXPECT_EQ(Style(list) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(Style(list) & LVS_NOCOLUMNHEADER);
  ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 1);
  EXPECT_EQ(ColumnText(list, 0), u"路径");
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), 260);
  EXPECT_EQ(ListView_GetItemCount(list), 0);
}

TEST_F(MainWindowBuilt, both_lists_check_select_whole_rows_several_at_once_and_show_info_tips) {
  for (std::u16string_view name : {u"超级列表框1", u"超级列表框_路径"}) {
    HWND list = Unit(name);
    const DWORD extended = ListView_GetExtendedListViewStyle(list);
    EXPECT_TRUE(extended & LVS_EX_CHECKBOXES) << Utf8(name);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT) << Utf8(name);
    EXPECT_TRUE(extended & LVS_EX_FLATSB) << Utf8(name);
    EXPECT_TRUE(extended & LVS_EX_INFOTIP) << Utf8(name);
    EXPECT_FALSE(Style(list) & LVS_SINGLESEL) << Utf8(name);
    EXPECT_EQ(ListView_GetTextColor(list), RGB(0, 0, 0)) << Utf8(name);
    EXPECT_EQ(ListView_GetBkColor(list), RGB(255, 255, 255)) << Utf8(name);
  }
}

TEST_F(MainWindowBuilt, name_box_is_empty_multi_line_with_both_scroll_bars_and_wants_enter) {
  HWND box = Unit(u"编辑框_文件名");
  const LONG style = Style(box);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_WANTRETURN);
  EXPECT_TRUE(style & ES_AUTOVSCROLL);
  EXPECT_TRUE(style & ES_AUTOHSCROLL);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_FALSE(style & ES_NOHIDESEL) << "the selection hides when the box loses the focus";
  EXPECT_FALSE(style & (ES_READONLY | ES_PASSWORD));
  EXPECT_EQ(GetWindowTextLengthW(box), 0);
}

TEST_F(MainWindowBuilt, progress_bar_runs_from_0_to_100_in_segments_and_stands_at_0) {
  HWND bar = Unit(u"进度条1");
  PBRANGE range{};
  SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
  EXPECT_FALSE(Style(bar) & (PBS_SMOOTH | PBS_VERTICAL));
}

TEST_F(MainWindowBuilt, hint_shows_over_the_name_box_and_the_status_line_is_empty) {
  EXPECT_TRUE(IsWindowVisible(Unit(u"透明标签1")));
  EXPECT_EQ(TextOf(Unit(u"标签_状态")), u"");
}

}  // namespace
}  // namespace vorlix::test
