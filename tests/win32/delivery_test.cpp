// Handing over what a search found, on the built main window over real
// trees: copy and move keeping the folders, the record of runs, the counts
// per name and the exported list, each read back from the files written.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "app/results/result_list_commands.h"
#include "app/results/result_units.h"
#include "platform/wide_text.h"
#include "runtime/core/values/text_format.h"
#include "tests/win32/delivery_room.h"
#include "tests/win32/unix_links.h"

namespace vorlix::test {
namespace {

namespace units = app::main_window;
namespace menu = app::main_window::menu;

void WriteFileAt(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(platform::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// The state of the move entry (command 20012) as the result menu pops up.
UINT move_entry_state = 0;
HHOOK popup_hook = nullptr;

LRESULT CALLBACK ReadMoveEntry(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && message->message == WM_INITMENUPOPUP) {
    move_entry_state = GetMenuState(reinterpret_cast<HMENU>(message->wParam), 20012, MF_BYCOMMAND);
    EndMenu();
  }
  return CallNextHookEx(popup_hook, code, wparam, lparam);
}

class Delivery : public DeliveryRoom {};

std::string Operation(std::string_view gbk) { return Utf8(std::string(gbk)); }

TEST_F(Delivery, copy_keeping_folders_rebuilds_the_tree_below_each_of_two_overlapping_roots) {
  Make({{"src\\a\\x.txt", "ax"}, {"src\\a\\deep\\y.txt", "ay"}, {"src\\b\\x.txt", "bx"}, {"t\\keep", ""}});
  Search("x.txt\r\ny.txt\r\n", {In("src"), In("src\\a")});
  ASSERT_EQ(Paths().size(), 5u);
  Click(u"按钮1");
  const std::vector<std::string> rows = Paths();

  EXPECT_EQ(Deliver(menu::复制勾选文件_保留目录结构, In("t")), "");
  ExpectFiles({{"t\\a\\x.txt", "ax"}, {"t\\b\\x.txt", "bx"}, {"t\\a\\deep\\y.txt", "ay"},  // below src
               {"t\\x.txt", "ax"}, {"t\\deep\\y.txt", "ay"},                            // below src\a
               {"src\\a\\x.txt", "ax"}, {"src\\b\\x.txt", "bx"}},
              "copied");
  EXPECT_EQ(Status(), texts::kCopyFinished);
  EXPECT_EQ(ProgressPosition(), ProgressMaximum()) << "all the bytes done";
  EXPECT_EQ(Paths(), rows) << "the rows stay as they were";
  EXPECT_EQ(CheckedRows(), (std::vector<int>{0, 1, 2, 3, 4}));

  std::set<std::string> targets;
  for (const Record& line : RecordLines()) {
    EXPECT_EQ(line[0], Operation(texts::kOperationCopyKeepingFolders));
    EXPECT_EQ(line[3], "2") << "the file's bytes";
    EXPECT_EQ(line[4], "成功");
    EXPECT_EQ(line[5], "");
    targets.insert(line[2]);
  }
  EXPECT_EQ(targets, (std::set<std::string>{In("t\\a\\x.txt"), In("t\\b\\x.txt"), In("t\\a\\deep\\y.txt"),
                                            In("t\\x.txt"), In("t\\deep\\y.txt")}));
}

TEST_F(Delivery, a_clash_takes_a_new_name_when_renaming_is_on_and_replaces_when_it_is_off) {
  Make({{"src\\a\\x.txt", "new"}, {"t\\a\\x.txt", "old"}});
  Search("x.txt\r\n", {In("src")});
  Click(u"按钮1");
  SetAutoRename(true);
  Deliver(menu::复制勾选文件_保留目录结构, In("t"));
  Deliver(menu::复制勾选文件_保留目录结构, In("t"));
  ExpectFiles({{"t\\a\\x.txt", "old"}, {"t\\a\\x (2).txt", "new"}, {"t\\a\\x (3).txt", "new"}},
              "renaming: nothing overwritten");
  const std::vector<Record> renamed = RecordLines();
  ASSERT_EQ(renamed.size(), 2u);
  EXPECT_EQ(renamed[0][2], In("t\\a\\x (2).txt")) << "the target as finally named";
  EXPECT_EQ(renamed[1][2], In("t\\a\\x (3).txt"));

  SetAutoRename(false);
  Deliver(menu::复制勾选文件_保留目录结构, In("t"));
  ExpectFiles({{"t\\a\\x.txt", "new"}, {"t\\a\\x (2).txt", "new"}, {"t\\a\\x (3).txt", "new"}, {"t\\a\\x (4).txt",
               kMissing}},
              "replacing");
  EXPECT_EQ(Status(), texts::kCopyFinished);
}

TEST_F(Delivery, a_file_where_a_folder_is_needed_fails_the_row_and_stays_as_it_was) {
  Make({{"src\\a\\x.txt", "x"}, {"src\\y.txt", "y"}, {"t\\a", "a file"}});
  Search("x.txt\r\ny.txt\r\n", {In("src")});
  Click(u"按钮1");
  const std::string message = Deliver(menu::复制勾选文件_保留目录结构, In("t"));
  ExpectFiles({{"t\\a", "a file"}, {"t\\y.txt", "y"}}, "the file kept, the other row copied");
  EXPECT_EQ(Status(), core::FormatText(texts::kCopyPartlyDone, 2, 1));
  EXPECT_TRUE(message.starts_with(std::string(texts::kCopyFailedHeading) + "\r\n" + In("src\\a\\x.txt"))) << message;
  std::map<std::string, Record> by_source;
  for (const Record& line : RecordLines()) by_source[line[1]] = line;
  EXPECT_EQ(by_source[In("src\\a\\x.txt")][4], "失败");
  EXPECT_EQ(by_source[In("src\\a\\x.txt")][5], Utf8(std::string(texts::kTargetFolderNotMade) + In("t\\a\\")));
}

TEST_F(Delivery, move_keeping_folders_moves_what_is_there_and_records_the_row_whose_file_is_gone) {
  Make({{"src\\a\\x.txt", "ax"}, {"src\\b\\x.txt", "bx"}, {"src\\c\\x.txt", "cx"}, {"t\\z", ""}});
  Search("x.txt\r\n", {In("src")});
  Click(u"按钮1");
  DeleteFileW(folder_.WidePath("src\\c\\x.txt").c_str());

  const std::string message = Deliver(menu::移动勾选文件_保留目录结构, In("t"));
  ExpectFiles({{"t\\a\\x.txt", "ax"}, {"t\\b\\x.txt", "bx"}, {"src\\a\\x.txt", kMissing}, {"src\\b\\x.txt", kMissing}},
              "moved");
  EXPECT_EQ(GetFileAttributesW(folder_.WidePath("t\\c").c_str()), INVALID_FILE_ATTRIBUTES)
      << "no folder is made for a file that has gone";
  EXPECT_EQ(Status(), core::FormatText(texts::kMovePartlyDone, 3, 1));
  EXPECT_TRUE(message.starts_with(std::string(texts::kMoveFailedHeading) + "\r\n" + In("src\\c\\x.txt"))) << message;
  EXPECT_TRUE(message.ends_with(WithRecordPlace(""))) << message;

  std::map<std::string, Record> by_source;
  for (const Record& line : RecordLines()) by_source[line[1]] = line;
  ASSERT_EQ(by_source.size(), 3u);
  const Record& gone = by_source[In("src\\c\\x.txt")];
  EXPECT_EQ(gone[0], Operation(texts::kOperationMoveKeepingFolders));
  EXPECT_EQ(gone[3], "") << "no size for a file that is not there";
  EXPECT_EQ(gone[4], "失败");
  EXPECT_NE(gone[5], "") << "a failure says why";
  EXPECT_EQ(by_source[In("src\\a\\x.txt")][2], In("t\\a\\x.txt"));
  EXPECT_EQ(by_source[In("src\\a\\x.txt")][4], "成功");
}

TEST_F(Delivery, a_folder_row_takes_its_folder_with_everything_in_it) {
  Make({{"src\\p\\Photos\\1.jpg", "1"}, {"src\\p\\Photos\\sub\\2.jpg", "2"}, {"src\\q.txt", "q"}, {"t\\z", ""}});
  Search("photos\r\n", {In("src")}, {.folders = true});
  ASSERT_EQ(Paths(), (std::vector<std::string>{In("src\\p\\Photos")}));
  Click(u"按钮1");
  EXPECT_EQ(Deliver(menu::复制勾选文件_保留目录结构, In("t")), "");
  ExpectFiles({{"t\\p\\Photos\\1.jpg", "1"}, {"t\\p\\Photos\\sub\\2.jpg", "2"}, {"t\\q.txt", kMissing}}, "copied");
  const std::vector<Record> lines = RecordLines(true);
  ASSERT_EQ(lines.size(), 3u) << "the folder's line, then one for each file inside it, read back";
  EXPECT_EQ(lines[0][2], In("t\\p\\Photos"));
  EXPECT_EQ(lines[0][3], "") << "no size for a folder";
  EXPECT_EQ(lines[0][6], "");
  std::set<std::string> inside;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    inside.insert(lines[i][1] + " > " + lines[i][2] + " " + lines[i][3] + " " + lines[i][4]);
    EXPECT_EQ(lines[i][6], testing::UnixSha256(lines[i][2], In("sum")));
  }
  EXPECT_EQ(inside, (std::set<std::string>{
                        In("src\\p\\Photos\\1.jpg") + " > " + In("t\\p\\Photos\\1.jpg") + " 1 成功",
                        In("src\\p\\Photos\\sub\\2.jpg") + " > " + In("t\\p\\Photos\\sub\\2.jpg") + " 1 成功"}));
}

// The test prefix: D: is a fixed drive, a folder of the prefix; the room's
// folder is on C:.
TEST_F(Delivery, whole_computer_mode_puts_the_files_of_each_drive_below_its_letter) {
  const std::string name = "vorlix-keep-" + std::to_string(GetCurrentProcessId()) + ".txt";
  const std::string on_d = "D:\\vorlix-keep-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryW(platform::Wide(on_d).c_str(), nullptr);
  WriteFileAt(on_d + "\\" + name, "on d");
  Make({{name, "on c"}, {"t\\z", ""}});
  Search(name + "\r\n", {}, {.whole_computer = true});
  ASSERT_EQ(Paths().size(), 2u);
  Click(u"按钮1");

  EXPECT_EQ(Deliver(menu::复制勾选文件_保留目录结构, In("t")), "");
  const std::string below_c = "C" + folder_.Path(name).substr(2);
  const std::string below_d = "D" + (on_d + "\\" + name).substr(2);
  ExpectFiles({{"t\\" + below_c, "on c"}, {"t\\" + below_d, "on d"}}, "whole computer");
  DeleteFileW(platform::Wide(on_d + "\\" + name).c_str());
  RemoveDirectoryW(platform::Wide(on_d).c_str());
}

TEST_F(Delivery, moving_keeping_folders_is_greyed_and_refused_while_the_move_button_is_disabled) {
  Make({{"src\\x.txt", "x"}, {"t\\z", ""}});
  Search("x.txt\r\n", {In("src")});
  Click(u"按钮1");
  app::SetEnabled(units::按钮5, false);
  {
    DialogAnswers none({});
    Choose(menu::移动勾选文件_保留目录结构);
    EXPECT_EQ(none.unexpected(), 0) << "no folder dialog";
  }
  ExpectFiles({{"src\\x.txt", "x"}}, "not moved");
  popup_hook = SetWindowsHookExW(WH_CALLWNDPROC, ReadMoveEntry, nullptr, GetCurrentThreadId());
  app::ShowResultMenu({});
  EXPECT_TRUE(move_entry_state & MF_GRAYED) << "greyed with the move button disabled";
  app::SetEnabled(units::按钮5, true);
  app::ShowResultMenu({});
  EXPECT_FALSE(move_entry_state & MF_GRAYED) << "enabled again with it";
  UnhookWindowsHookEx(popup_hook);
}

TEST_F(Delivery, counts_give_each_name_its_distinct_files_several_first) {
  Make({{"a\\r.txt", ""}, {"b\\r.txt", ""}, {"b\\c\\r.txt", ""}, {"a\\one.doc", ""}});
  // Two overlapping roots give the files below b twice.
  Search("r.txt\r\none\r\nnone\r\nR.TXT\r\n", {In(""), In("b")});
  // Each r.txt file matches two keywords and gives a row for each.
  ASSERT_EQ(Paths().size(), 11u);
  std::vector<std::string> r_paths;
  for (const std::string& path : Paths()) {
    if (path.ends_with("r.txt") && std::find(r_paths.begin(), r_paths.end(), Utf8(path)) == r_paths.end()) {
      r_paths.push_back(Utf8(path));
    }
  }
  ASSERT_EQ(r_paths.size(), 3u);
  Choose(menu::名字查找统计);

  Record r_line{"r.txt", "3"};
  r_line.insert(r_line.end(), r_paths.begin(), r_paths.end());
  Record upper_line = r_line;
  upper_line[0] = "R.TXT";
  Record columns{"名字", "找到的文件数", "文件路径(前10个)"};
  columns.resize(12);
  columns.push_back("相似的文件(可能写错了名字)");
  // "none" found nothing; "one.doc" is one edit from it.
  Record none_line{"none", "0"};
  none_line.resize(12);
  none_line.push_back(Utf8(In("a\\one.doc")));
  EXPECT_EQ(Records(FileBeside(texts::kCountsFileName)),
            (testing::CsvRecords{columns, Record{"以下名字找到了多个文件："}, r_line, upper_line, Record{"其余名字："},
                                 Record{"one", "1", Utf8(In("a\\one.doc"))}, none_line}));
}

TEST_F(Delivery, export_writes_the_sorted_list_with_its_checks_and_names_outside_gbk_and_changes_nothing) {
  const std::string strange = Gbk(L"한 😀.txt");
  Make({{"e\\b.txt", "bb"}, {"e\\a.txt", "a"}, {"e\\" + strange, "strange!"}, {"out\\z", ""}});
  Search(".txt\r\n", {In("e")}, {.fuzzy = true});
  app::SortResultsByColumn(std::vector<core::Value>{core::Value(std::int32_t{1})});
  commands::ListViewSetCheck(app::ResultList(), 0, 1);
  commands::ListViewSetCheck(app::ResultList(), 2, 1);
  const std::vector<std::string> rows = Paths();
  ASSERT_EQ(rows.size(), 3u);
  ASSERT_EQ(rows[0], In("e\\" + strange)) << "sorted descending by name: GBK's four-byte name first";

  const std::wstring file = folder_.WidePath("out\\list.csv");
  DialogAnswers answers({{IDOK, [&file](HWND dialog) { return testing::FillSaveName(dialog, file); }}});
  Choose(menu::导出结果列表);
  EXPECT_EQ(answers.answered(), 1u);
  EXPECT_EQ(Status(), std::string(texts::kExportDone) + In("out\\list.csv"));

  const testing::CsvRecords records = Records(folder_.Read("out\\list.csv"));
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0], (Record{"文件路径", "文件名", "大小", "修改时间", "勾选"}));
  const std::map<std::string, std::string> sizes{{In("e\\b.txt"), "2"}, {In("e\\a.txt"), "1"},
                                                 {In("e\\" + strange), "8"}};
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const Record& line = records[row + 1];
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[0], Utf8(rows[row]));
    EXPECT_EQ(line[1], Utf8(rows[row].substr(rows[row].rfind('\\') + 1)));
    EXPECT_EQ(line[2], sizes.at(rows[row]));
    EXPECT_EQ(line[3].size(), 19u) << line[3];
    EXPECT_EQ(line[4], row == 1 ? "否" : "是");
  }
  EXPECT_TRUE(records[1][0].ends_with("\\한 😀.txt")) << "the name outside GBK keeps its characters";
  EXPECT_EQ(Paths(), rows);
  EXPECT_EQ(CheckedRows(), (std::vector<int>{0, 2}));
}

TEST_F(Delivery, every_run_appends_its_lines_and_a_run_with_failures_says_where_the_record_is) {
  Make({{"src\\a.txt", "a"}, {"src\\b.txt", "bb"}, {"src\\gone.txt", ""}, {"t\\z", ""}});
  Search("a.txt\r\nb.txt\r\ngone.txt\r\n", {In("src")});
  DeleteFileW(folder_.WidePath("src\\gone.txt").c_str());
  Click(u"按钮1");

  Deliver(menu::复制勾选文件_保留目录结构, In("t"));
  std::string copy_message;
  {
    DialogAnswers answers({ChooseFolder(In("t")), ReadMessage(copy_message)});
    Click(u"按钮3");
  }
  EXPECT_TRUE(copy_message.starts_with(std::string(texts::kCopyFailedHeading))) << copy_message;
  EXPECT_TRUE(copy_message.ends_with(WithRecordPlace(""))) << copy_message;
  const std::string after_copies = FileBeside(texts::kRecordFileName);

  {
    std::string clipboard_message;
    DialogAnswers answers({ReadMessage(clipboard_message)});
    Click(u"按钮_复制到剪贴板");
  }
  {
    DialogAnswers answers({DialogAnswers::Step{IDOK, {}}});
    Click(u"按钮4");
  }
  const std::string record = FileBeside(texts::kRecordFileName);
  EXPECT_TRUE(record.starts_with(after_copies)) << "lines are appended, never rewritten";
  EXPECT_EQ(record.find(app::kUtf8ByteOrderMark, 1), std::string::npos) << "one byte-order mark, at the start";

  std::map<std::string, std::vector<std::string>> results;  // operation: result per line
  for (const Record& line : RecordLines()) results[line[0]].push_back(line[4]);
  const std::vector<std::string> two_done_one_failed{"成功", "成功", "失败"};
  auto sorted = [](std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
  };
  EXPECT_EQ(sorted(results[Operation(texts::kOperationCopyKeepingFolders)]), sorted(two_done_one_failed));
  EXPECT_EQ(sorted(results[Operation(texts::kOperationCopy)]), sorted(two_done_one_failed));
  EXPECT_EQ(results[Operation(texts::kOperationClipboard)], (std::vector<std::string>{"成功", "成功", "成功"}))
      << "one line per path put on the clipboard";
  EXPECT_EQ(results[Operation(texts::kOperationDelete)], (std::vector<std::string>{"成功", "成功", "成功"}))
      << "a file already gone counts as deleted";
}

TEST_F(Delivery, a_record_that_cannot_be_written_is_said_once_and_the_run_goes_on) {
  Make({{"src\\a\\x.txt", "a"}, {"src\\b\\x.txt", "b"}, {"t\\z", ""}});
  Search("x.txt\r\n", {In("src")});
  Click(u"按钮1");
  WriteFileAt(RecordPath(), "");
  const testing::OpenedElsewhere held(platform::Wide(RecordPath()), GENERIC_READ, 0);
  ASSERT_TRUE(held.IsOpen());
  std::string message;
  DialogAnswers answers({ChooseFolder(In("t")), ReadMessage(message)});
  Choose(menu::复制勾选文件_保留目录结构);
  EXPECT_EQ(answers.answered(), 2u);
  EXPECT_EQ(answers.unexpected(), 0) << "one message, not one per line";
  ExpectFiles({{"t\\a\\x.txt", "a"}, {"t\\b\\x.txt", "b"}}, "copied all the same");
  EXPECT_EQ(Status(), texts::kCopyFinished);
  EXPECT_EQ(message, std::string(texts::kRecordNotWritten) + RecordPath());
}

}  // namespace
}  // namespace vorlix::test
