// Every bound event of the built main window, caused by real window
// messages, reaches the handler its binding names, with its arguments.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "app/mainwindow/main_window_units.h"
#include "runtime/commands/drop_target_commands.h"
#include "runtime/commands/unit_commands.h"
#include "runtime/core/events/message_loop.h"
#include "tests/template_data/main_window_records.h"
#include "tests/win32/main_window_fixture.h"
#include "tests/win32/test_drag_source.h"

namespace vorlix::test {
namespace {

using Calls = std::vector<std::string_view>;

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

class MainWindowEvents : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(Build());
    // The name box has the focus after building; losing it runs its own
    // handler, which is not what these tests look at.
    SetFocus(Unit(u"超级列表框1"));
    core::ProcessPendingMessages();
    TakeCalls();
  }

  // Posts a message to a unit and lets the runtime take it as the message
  // loop would (pre-translation included).
  Calls Post(std::u16string_view unit, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    PostMessageW(Unit(unit), message, wparam, lparam);
    core::ProcessPendingMessages();
    return TakeCalls();
  }

  // A press and its release: a list view's own processing of the press
  // waits for the release.
  Calls Press(std::u16string_view unit, UINT down, UINT up, LPARAM where) {
    PostMessageW(Unit(unit), down, 0, where);
    PostMessageW(Unit(unit), up, 0, where);
    core::ProcessPendingMessages();
    return TakeCalls();
  }

  Calls Click(std::u16string_view unit) {
    SendMessageW(Unit(unit), BM_CLICK, 0, 0);
    core::ProcessPendingMessages();
    return TakeCalls();
  }
};

TEST_F(MainWindowEvents, building_the_window_ran_its_start_up_handler) {
  MainWindowTest::TearDown();
  MainWindowTest::SetUp();
  ASSERT_TRUE(Build());
  EXPECT_EQ(TakeCalls(), Calls{"LoadSettingsAtStart"});
}

TEST_F(MainWindowEvents, each_button_runs_its_handler) {
  const std::pair<std::u16string_view, std::string_view> buttons[] = {
      {u"按钮_立即搜索", "StartSearch"},        {u"按钮_停止搜索", "RequestStop"},
      {u"按钮_搜索路径", "AddFolderFromDialog"}, {u"按钮1", "CheckAllResults"},
      {u"按钮2", "UncheckAllResults"},         {u"按钮3", "CopyCheckedFiles"},
      {u"按钮5", "MoveCheckedFiles"},          {u"按钮4", "DeleteCheckedFiles"},
      {u"按钮_复制到剪贴板", "CopyCheckedToClipboard"},
  };
  for (const auto& [button, handler] : buttons) EXPECT_EQ(Click(button), Calls{handler}) << Utf8(button);
}

// Disabled at start, it takes no mouse input until a search enables it.
TEST_F(MainWindowEvents, the_not_found_button_runs_its_handler_once_enabled) {
  EnableWindow(Unit(u"按钮_未搜索到文件"), TRUE);
  EXPECT_EQ(Click(u"按钮_未搜索到文件"), Calls{"WriteNotFoundReport"});
}

TEST_F(MainWindowEvents, each_option_box_runs_its_handler_inside_its_shape_box_or_not) {
  const std::pair<std::u16string_view, std::string_view> options[] = {
      {u"选择框_保存路径", "SaveFoldersClicked"},   {u"选择框_搜索目录", "FolderNamesOnlyClicked"},
      {u"选择框_保存关键字", "SaveKeywordsClicked"}, {u"选择框1", "AutoRenameClicked"},
      {u"单选框_模糊搜索", "FuzzyMatchClicked"},    {u"单选框_精确搜索", "ExactMatchClicked"},
      {u"单选框_整个电脑", "WholeComputerClicked"}, {u"单选框_指定路径", "ChosenFoldersClicked"},
  };
  for (const auto& [box, handler] : options) EXPECT_EQ(Click(box), Calls{handler}) << Utf8(box);
}

TEST_F(MainWindowEvents, checking_a_scope_radio_leaves_the_match_radios_alone) {
  Click(u"单选框_整个电脑");
  EXPECT_EQ(SendMessageW(Unit(u"单选框_整个电脑"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Unit(u"单选框_指定路径"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(Unit(u"单选框_精确搜索"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(MainWindowEvents, a_right_press_on_either_folder_list_asks_for_the_folder_menu) {
  EXPECT_EQ(Press(u"超级列表框_路径", WM_RBUTTONDOWN, WM_RBUTTONUP, Point(10, 10)), Calls{"ShowFolderMenu"});
  EXPECT_EQ(Press(u"列表框_路径", WM_RBUTTONDOWN, WM_RBUTTONUP, Point(10, 10)), Calls{"ShowFolderMenu"});
}

TEST_F(MainWindowEvents, a_right_press_on_the_empty_result_list_asks_for_the_result_menu) {
  EXPECT_EQ(Press(u"超级列表框1", WM_RBUTTONDOWN, WM_RBUTTONUP, Point(50, 100)), Calls{"ShowResultMenu"});
}

TEST_F(MainWindowEvents, a_double_click_on_the_result_list_opens_the_file) {
  EXPECT_EQ(Press(u"超级列表框1", WM_LBUTTONDBLCLK, WM_LBUTTONUP, Point(50, 100)), Calls{"OpenResultFile"});
}

TEST_F(MainWindowEvents, a_click_on_a_column_header_sorts_by_that_column) {
  HWND header = ListView_GetHeader(Unit(u"超级列表框1"));
  RECT second;
  Header_GetItemRect(header, 1, &second);
  const LPARAM inside = Point(second.left + 10, second.top + 5);
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  PostMessageW(header, WM_LBUTTONUP, 0, inside);
  core::ProcessPendingMessages();
  EXPECT_EQ(TakeCalls(), Calls{"SortResultsByColumn"});
  ASSERT_EQ(LastArguments().size(), 1u);
  ASSERT_NE(LastArguments()[0].get_if<std::int32_t>(), nullptr);
  EXPECT_EQ(*LastArguments()[0].get_if<std::int32_t>(), 1) << "columns count from 0";
}

TEST_F(MainWindowEvents, mouse_moves_over_the_four_hinted_units_attach_their_hints) {
  for (std::u16string_view unit : {u"选择框_保存路径", u"选择框_搜索目录", u"选择框_保存关键字", u"按钮_复制到剪贴板"}) {
    EXPECT_EQ(Post(unit, WM_MOUSEMOVE, 0, Point(3, 3)), Calls{"OptionHint"}) << Utf8(unit);
  }
  EXPECT_TRUE(Post(u"选择框1", WM_MOUSEMOVE, 0, Point(3, 3)).empty()) << "no hint there";
}

TEST_F(MainWindowEvents, a_press_on_the_hint_and_the_name_box_losing_the_focus_run_the_hint_handlers) {
  EXPECT_EQ(Post(u"透明标签1", WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 20)), Calls{"HideNameHint"});
  SetFocus(Unit(u"编辑框_文件名"));
  core::ProcessPendingMessages();
  TakeCalls();
  SetFocus(Unit(u"按钮_立即搜索"));
  core::ProcessPendingMessages();
  EXPECT_EQ(TakeCalls(), Calls{"ShowNameHint"});
}

TEST_F(MainWindowEvents, each_menu_command_runs_its_items_handler_and_the_popups_run_none) {
  const std::pair<WPARAM, std::string_view> commands[] = {
      {20000, ""},
      {20001, "RemoveCurrentFolder"},
      {20002, "RemoveAllFolders"},
      {20003, "CheckAllFolders"},
      {20004, "UncheckAllFolders"},
      {20005, ""},
      {20006, "OpenResultLocation"},
      {20007, "CheckSelectedResults"},
      {20008, "ToggleMoveButton"},
      {20009, "ToggleDeleteButton"},
  };
  for (const auto& [command, handler] : commands) {
    PostMessageW(Frame(), WM_COMMAND, command, 0);
    core::ProcessPendingMessages();
    EXPECT_EQ(TakeCalls(), handler.empty() ? Calls{} : Calls{handler}) << command;
  }
}

TEST_F(MainWindowEvents, dropped_files_reach_the_drop_target_and_dropped_text_does_not) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  const core::UnitReference target{core::kMainWindowId, app::main_window::拖放对象, core::type_codes::kDropTarget};
  const auto frame = commands::GetWindowHandle({core::kMainWindowId, core::kWindowOwnRecordId, core::type_codes::kWindow});
  ASSERT_TRUE(commands::DropTargetRegister(target, frame));
  RECT place;
  GetWindowRect(Unit(u"编辑框_文件名"), &place);
  SetCursorPos(place.left + 20, place.top + 20);
  core::ProcessPendingMessages();

  vorlix::testing::TestDataObject files;
  files.AddFiles({L"C:\\照片"});
  vorlix::testing::DropAtOnce source;
  DWORD effect = DROPEFFECT_NONE;
  DoDragDrop(&files, &source, DROPEFFECT_COPY, &effect);
  EXPECT_EQ(TakeCalls(), Calls{"AddDroppedItems"});
  ASSERT_EQ(LastArguments().size(), 1u);
  EXPECT_EQ(*LastArguments()[0].get_if<core::Text>(), tests::Gbk(u"C:\\照片")) << "one path, no line break";

  vorlix::testing::TestDataObject text;
  text.AddText(L"text");
  DoDragDrop(&text, &source, DROPEFFECT_COPY, &effect);
  EXPECT_TRUE(TakeCalls().empty());
  OleUninitialize();
}

}  // namespace
}  // namespace vorlix::test
