// The folder list on the built main window: folders added through the
// folder dialog and by dropping them, and its popup menu, each through
// real window messages.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "tests/win32/dialog_driver.h"
#include "tests/win32/folder_browser_selection.h"
#include "runtime/core/events/message_loop.h"
#include "tests/template_data/main_window_records.h"
#include "tests/win32/settings_window_fixture.h"

namespace vorlix::test {
namespace {


FolderRow Row(std::u16string_view text, bool checked) { return {tests::Gbk(text), checked}; }

class SearchFolders : public SettingsWindowTest {
 protected:
  void SetUp() override {
    SettingsWindowTest::SetUp();
    Start();
  }

  // The middle of the row's text in the folder list; for -1 a point
  // below the last row.
  POINT PointOnRow(int row) {
    HWND list = Unit(u"超级列表框_路径");
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    RECT label{};
    label.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, row < 0 ? count - 1 : row, reinterpret_cast<LPARAM>(&label));
    if (row < 0) return {label.left + 5, label.bottom + 5};
    return {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  }
};

// The dialog's prompt is one of its static texts.
bool ShowsText(HWND dialog, const std::wstring& text) {
  std::pair<const std::wstring*, bool> search{&text, false};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM found) CALLBACK {
        auto& [wanted, seen] = *reinterpret_cast<std::pair<const std::wstring*, bool>*>(found);
        if (vorlix::testing::WindowText(child) == *wanted) seen = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

TEST_F(SearchFolders, a_folder_chosen_in_the_dialog_becomes_the_checked_top_row_without_its_closing_backslash) {
  folder_.MakeFolder(tests::Gbk(u"照片"));
  struct Case {
    std::optional<std::wstring> chosen;  // none: the dialog is cancelled
    FolderRows rows;
  };
  const Case cases[] = {
      {L"D:\\", {Row(u"D:", true)}},
      {platform::Wide(folder_.Path(tests::Gbk(u"照片"))), {{folder_.Path(tests::Gbk(u"照片")), true}, Row(u"D:", true)}},
      {std::nullopt, {{folder_.Path(tests::Gbk(u"照片")), true}, Row(u"D:", true)}},
  };
  for (const Case& c : cases) {
    bool prompt_shown = false;
    // The tree fills as it goes (the first dialog of a process under Wine
    // can take seconds): the selection is asked for until the tree shows it.
    vorlix::testing::DialogAnswers answers({{c.chosen ? IDOK : IDCANCEL, [&](HWND dialog) {
                                               prompt_shown = ShowsText(dialog, L"选择目录");
                                               return !c.chosen || vorlix::testing::SelectInFolderBrowser(dialog, *c.chosen);
                                             }}});
    Click(u"按钮_搜索路径");
    ASSERT_EQ(answers.answered(), 1u);
    EXPECT_TRUE(prompt_shown);
    EXPECT_EQ(Rows(), c.rows);
  }
}

TEST_F(SearchFolders, dropped_folders_become_checked_top_rows_in_the_order_dropped) {
  struct Case {
    std::vector<std::wstring> dropped;
    FolderRows rows;
  };
  const Case cases[] = {
      {{L"C:\\照片"}, {Row(u"C:\\照片", true)}},
      // 誠 is 0xD5 0x5C in GBK: its second byte is no closing backslash.
      {{L"D:\\", L"C:\\a,b", L"C:\\ก\U00020000", L"C:\\誠"},
       {Row(u"D:", true), Row(u"C:\\a,b", true), Row(u"C:\\ก\U00020000", true), Row(u"C:\\誠", true),
        Row(u"C:\\照片", true)}},
  };
  for (const Case& c : cases) {
    Drop(c.dropped);
    EXPECT_EQ(Rows(), c.rows);
  }
}

// A right press on a row selects it, as the list does by itself, so that
// the current row is the one pressed on; a press below the rows leaves none,
// also when a row was selected before.
TEST_F(SearchFolders, the_folder_menu_pops_up_on_either_list_and_acts_on_the_folder_list) {
  const FolderRows three = {Row(u"C:\\a", true), Row(u"C:\\b", false), Row(u"C:\\c", true)};
  constexpr int kBelowTheRows = -1;
  struct Case {
    std::u16string_view list;
    int pressed_row;
    int entry;
    FolderRows rows;
  };
  const Case cases[] = {
      {u"超级列表框_路径", 1, 0, {Row(u"C:\\a", true), Row(u"C:\\c", true)}},
      {u"超级列表框_路径", kBelowTheRows, 0, three},
      {u"超级列表框_路径", kBelowTheRows, 1, {}},
      {u"超级列表框_路径", 0, 2, {Row(u"C:\\a", true), Row(u"C:\\b", true), Row(u"C:\\c", true)}},
      {u"列表框_路径", 0, 3, {Row(u"C:\\a", false), Row(u"C:\\b", false), Row(u"C:\\c", false)}},
  };
  // The folder index's entries follow, after a separator.
  const std::vector<std::u16string> entries = {u"删除当前路径", u"删除全部路径", u"全部勾选", u"取消全选",
                                               u"",          u"使用文件夹索引", u"清除文件夹索引", u"复制后校验"};
  for (const Case& c : cases) {
    SetRows(three);
    const POINT first = PointOnRow(0);
    PostMessageW(Unit(u"超级列表框_路径"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
    PostMessageW(Unit(u"超级列表框_路径"), WM_LBUTTONUP, 0, MAKELPARAM(first.x, first.y));
    PopupChooser chooser(c.entry);
    RightClick(c.list, PointOnRow(c.pressed_row));
    EXPECT_EQ(chooser.Captions(), entries);
    EXPECT_EQ(Rows(), c.rows) << Utf8(c.list) << " entry " << c.entry;
  }
}

}  // namespace
}  // namespace vorlix::test
