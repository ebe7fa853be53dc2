// Copy, move and delete of the checked rows' files on the built main
// window, on real files, with the dialogs answered as a user would.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/mainwindow/main_window_units.h"
#include "app/results/result_units.h"
#include "app/results/shell_operations.h"
#include "platform/wide_text.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/core/values/text_format.h"
#include "tests/win32/results_room.h"
#include "texts.h"

namespace vorlix::test {
namespace {

using Files = std::map<std::string, std::string>;  // a name in the folder: its content, or "<missing>"
constexpr const char* kMissing = "<missing>";

std::string Gbk(const wchar_t* text) { return platform::Narrow(text); }

// Wine's recycle bin is the desktop trash under XDG_DATA_HOME; the number
// of files in it, or -1 when the test run does not name it.
int TrashedFiles() {
  wchar_t home[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"XDG_DATA_HOME", home, MAX_PATH) == 0) return -1;
  std::wstring files = L"Z:" + std::wstring(home) + L"/Trash/files/*";
  std::replace(files.begin(), files.end(), L'/', L'\\');
  int count = 0;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(files.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    count += found.cFileName[0] != L'.';
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return count;
}

class FileOperations : public ResultsRoom {
 protected:
  // Each case of a table works in a folder of its own.
  void NextCase() {
    base_ = "case" + std::to_string(++cases_);
    folder_.MakeFolder(base_);
    ClearRows();
    ClearStatus();
  }
  std::string In(const std::string& name) const { return base_.empty() ? name : base_ + "\\" + name; }
  void Make(const Files& files) {
    for (const auto& [name, content] : files) {
      const std::size_t folder = name.rfind('\\');
      if (folder != std::string::npos) folder_.MakeFolder(In(name.substr(0, folder)));
      folder_.Write(In(name), content);
    }
  }
  // A name in the folder; one that starts with a drive stays as it is.
  std::string PathOf(const std::string& name) const {
    return name.size() > 1 && name[1] == ':' ? name : folder_.Path(In(name));
  }
  std::string Read(const std::string& name) const { return folder_.Read(In(name)); }
  void Rows(const std::vector<std::pair<std::string, bool>>& rows) {
    std::vector<Row> made;
    for (const auto& [name, checked] : rows) made.push_back({PathOf(name), checked});
    AddRows(made);
  }
  void ExpectFiles(const Files& files, const std::string& context) {
    for (const auto& [name, content] : files) EXPECT_EQ(Read(name), content) << context << ": " << name;
  }
  // Runs the button with the folder chosen, answering the message that may
  // follow; gives that message.
  std::string Run(std::u16string_view button, const std::string& target) {
    std::string message;
    DialogAnswers answers({ChooseFolder(PathOf(target)), ReadMessage(message)});
    Click(button);
    EXPECT_GE(answers.answered(), 1u);
    return message;
  }

 private:
  std::string base_;
  int cases_ = 0;
};

struct TransferCase {
  const char* what;
  std::u16string_view button;
  bool rename;
  Files before;
  std::vector<std::pair<std::string, bool>> rows;
  std::string target;
  Files after;
  std::string_view status;
  int failed = 0;
};

TEST_F(FileOperations, copy_and_move_put_each_checked_file_in_the_chosen_folder_and_lose_none) {
  const std::string strange = Gbk(L"한 😀.txt");  // outside GBK
  const TransferCase cases[] = {
      {"copy", u"按钮3", false, {{"a\\x.txt", "new"}, {"a\\y.txt", "skip"}, {"t\\z", ""}},
       {{"a\\x.txt", true}, {"a\\y.txt", false}}, "t",
       {{"t\\x.txt", "new"}, {"a\\x.txt", "new"}, {"t\\y.txt", kMissing}}, texts::kCopyFinished},
      {"copy over a file of the same name", u"按钮3", false, {{"a\\x.txt", "new"}, {"t\\x.txt", "old"}},
       {{"a\\x.txt", true}}, "t", {{"t\\x.txt", "new"}, {"t\\x (2).txt", kMissing}}, texts::kCopyFinished},
      {"copy renaming", u"按钮3", true, {{"a\\x.txt", "new"}, {"t\\x.txt", "old"}, {"t\\x (2).txt", "older"}},
       {{"a\\x.txt", true}}, "t",
       {{"t\\x.txt", "old"}, {"t\\x (2).txt", "older"}, {"t\\x (3).txt", "new"}}, texts::kCopyFinished},
      {"two of one name, renaming", u"按钮3", true, {{"a\\x.txt", "first"}, {"b\\x.txt", "second"}, {"t\\z", ""}},
       {{"a\\x.txt", true}, {"b\\x.txt", true}}, "t", {{"t\\x.txt", "first"}, {"t\\x (2).txt", "second"}},
       texts::kCopyFinished},
      // What the run placed itself is never replaced, whatever the option.
      {"two of one name, replacing", u"按钮3", false, {{"a\\x.txt", "first"}, {"b\\x.txt", "second"}, {"t\\z", ""}},
       {{"a\\x.txt", true}, {"b\\x.txt", true}}, "t", {{"t\\x.txt", "first"}, {"t\\x (2).txt", "second"}},
       texts::kCopyFinished},
      {"copy onto itself", u"按钮3", false, {{"a\\x.txt", "keep"}}, {{"a\\x.txt", true}}, "a",
       {{"a\\x.txt", "keep"}, {"a\\x (2).txt", kMissing}}, texts::kCopyFinished},
      {"copy onto itself, renaming", u"按钮3", true, {{"a\\x.txt", "keep"}}, {{"a\\x.txt", true}}, "a",
       {{"a\\x.txt", "keep"}, {"a\\x (2).txt", "keep"}}, texts::kCopyFinished},
      {"move onto itself, renaming", u"按钮5", true, {{"a\\x.txt", "keep"}}, {{"a\\x.txt", true}}, "a",
       {{"a\\x.txt", "keep"}, {"a\\x (2).txt", kMissing}}, texts::kMoveFinished},
      {"move", u"按钮5", false, {{"a\\x.txt", "new"}, {"t\\z", ""}}, {{"a\\x.txt", true}}, "t",
       {{"t\\x.txt", "new"}, {"a\\x.txt", kMissing}}, texts::kMoveFinished},
      {"move renaming", u"按钮5", true, {{"a\\x.txt", "new"}, {"t\\x.txt", "old"}}, {{"a\\x.txt", true}}, "t",
       {{"t\\x.txt", "old"}, {"t\\x (2).txt", "new"}, {"a\\x.txt", kMissing}}, texts::kMoveFinished},
      {"a name outside GBK", u"按钮5", true, {{"a\\" + strange, "new"}, {"t\\" + strange, "old"}},
       {{"a\\" + strange, true}}, "t",
       {{"t\\" + strange, "old"}, {"t\\" + Gbk(L"한 😀 (2).txt"), "new"}, {"a\\" + strange, kMissing}},
       texts::kMoveFinished},
      {"a missing source", u"按钮3", false, {{"a\\x.txt", "new"}, {"t\\z", ""}},
       {{"a\\gone.txt", true}, {"a\\x.txt", true}}, "t", {{"t\\x.txt", "new"}, {"t\\gone.txt", kMissing}},
       texts::kCopyPartlyDone, 1},
      {"a missing source, moved", u"按钮5", false, {{"t\\gone.txt", "there"}},
       {{"a\\gone.txt", true}}, "t", {{"t\\gone.txt", "there"}}, texts::kMovePartlyDone, 1},
  };
  for (const TransferCase& c : cases) {
    NextCase();
    Make(c.before);
    Rows(c.rows);
    SetAutoRename(c.rename);
    const std::string message = Run(c.button, c.target);
    ExpectFiles(c.after, c.what);
    const int checked = static_cast<int>(std::count_if(c.rows.begin(), c.rows.end(), [](auto& r) { return r.second; }));
    if (c.failed == 0) {
      EXPECT_EQ(Status(), c.status) << c.what;
      EXPECT_EQ(message, "") << c.what;
    } else {
      EXPECT_EQ(Status(), core::FormatText(c.status, checked, c.failed)) << c.what;
      EXPECT_EQ(message, WithRecordPlace(std::string(c.button == u"按钮3" ? texts::kCopyFailedHeading
                                                                         : texts::kMoveFailedHeading) +
                                         "\r\n" + PathOf("a\\gone.txt")))
          << c.what;
    }
    EXPECT_EQ(ProgressMaximum(), checked) << c.what;
    EXPECT_EQ(ProgressPosition(), checked) << c.what;
  }
}

// The chooser gives D:\ for the drive's root; the target handed on is D:\\.
TEST_F(FileOperations, a_drive_root_takes_the_copy) {
  folder_.Write("x.txt", "root");
  Rows({{"x.txt", true}});
  SetAutoRename(true);
  const std::wstring copied = L"D:\\" + platform::Wide(PathOf("x.txt").substr(PathOf("x.txt").rfind('\\') + 1));
  DeleteFileW(copied.c_str());
  Run(u"按钮3", "D:\\");
  EXPECT_EQ(Status(), texts::kCopyFinished);
  EXPECT_NE(GetFileAttributesW(copied.c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileW(copied.c_str());
}

TEST_F(FileOperations, nothing_checked_or_the_dialog_cancelled_copies_nothing) {
  folder_.Write("x.txt", "x");
  folder_.MakeFolder("t");
  Rows({{"x.txt", false}});
  Run(u"按钮5", "t");
  EXPECT_EQ(Status(), texts::kMoveNoneChecked);
  EXPECT_EQ(ProgressMaximum(), 0);

  Rows({{"x.txt", true}});
  DialogAnswers answers({CancelDialog()});
  Click(u"按钮3");
  EXPECT_EQ(answers.answered(), 1u);
  EXPECT_EQ(Status(), texts::kMoveNoneChecked) << "left as it was";
  EXPECT_EQ(Read("t\\x.txt"), kMissing);
}

// Longer in GBK bytes than the 254 that a byte buffer of the dialog's
// path once held; within the dialog's own limit of MAX_PATH characters.
TEST_F(FileOperations, a_folder_with_a_long_path_is_chosen_whole) {
  std::string deep = folder_.Path();
  while (deep.size() < 300) {
    deep += "\\" + Gbk(L"很长的目录名称很长的目录名称很长的目录名称");
    CreateDirectoryW(platform::Wide(deep).c_str(), nullptr);
  }
  ASSERT_LT(platform::Wide(deep).size(), static_cast<std::size_t>(MAX_PATH));
  DialogAnswers answers({ChooseFolder(deep)});
  EXPECT_EQ(app::ChooseFolder(0, "title", true), deep);
  EXPECT_EQ(answers.answered(), 1u);
}

struct DeleteCase {
  const char* what;
  int answer;  // to the question
  std::vector<std::pair<std::string, bool>> rows;
  std::vector<std::string> kept_rows;
  std::vector<int> checked_after;
  std::string_view status;
  std::string message;
};

TEST_F(FileOperations, delete_removes_the_files_and_the_rows_of_the_files_that_are_gone) {
  const std::string strange = Gbk(L"한 😀.txt");
  const DeleteCase cases[] = {
      {"cancelled", IDCANCEL, {{"0", true}, {"1", false}}, {"0", "1"}, {0}, "", ""},
      {"nothing checked", IDOK, {{"0", false}, {"1", false}}, {"0", "1"}, {}, "",
       std::string(texts::kDeleteNoneChecked)},
      {"rows 1 and 3 of four", IDOK, {{"0", false}, {"1", true}, {"2", false}, {strange, true}}, {"0", "2"}, {},
       texts::kDeleteFinished, ""},
      {"a file already gone", IDOK, {{"gone", true}, {"1", false}}, {"1"}, {}, texts::kDeleteFinished, ""},
  };
  for (const DeleteCase& c : cases) {
    NextCase();
    for (const auto& [name, checked] : c.rows) {
      if (name != "gone") Make({{name, "x"}});
    }
    Rows(c.rows);
    const int trashed_before = TrashedFiles();
    std::string message;
    DialogAnswers answers({{c.answer, {}}, ReadMessage(message)});
    Click(u"按钮4");

    std::vector<std::string> kept;
    for (const std::string& name : c.kept_rows) kept.push_back(PathOf(name));
    EXPECT_EQ(Paths(), kept) << c.what;
    EXPECT_EQ(CheckedRows(), c.checked_after) << c.what;
    int deleted_files = 0;
    for (const auto& [name, checked] : c.rows) {
      if (name == "gone") continue;
      const bool deleted = checked && c.answer == IDOK;
      EXPECT_EQ(Read(name) == kMissing, deleted) << c.what << ": " << name;
      deleted_files += deleted;
    }
    if (trashed_before >= 0) {
      EXPECT_EQ(TrashedFiles() - trashed_before, deleted_files) << c.what << ": in the trash";
    }
    EXPECT_EQ(Status(), c.status) << c.what;
    EXPECT_EQ(message, c.message) << c.what;
  }
}

TEST_F(FileOperations, a_file_that_cannot_be_deleted_keeps_its_checked_row_and_is_named) {
  folder_.Write("held.txt", "x");
  folder_.Write("free.txt", "x");
  Rows({{"held.txt", true}, {"free.txt", true}});
  const testing::OpenedElsewhere held(folder_.WidePath("held.txt"), GENERIC_READ, 0);
  ASSERT_TRUE(held.IsOpen());
  std::string message;
  DialogAnswers answers({{IDOK, {}}, ReadMessage(message)});
  Click(u"按钮4");

  EXPECT_EQ(Paths(), std::vector<std::string>{PathOf("held.txt")});
  EXPECT_EQ(CheckedRows(), std::vector<int>{0});
  EXPECT_EQ(folder_.Read("free.txt"), kMissing);
  EXPECT_EQ(Status(), core::FormatText(texts::kDeletePartlyDone, 2, 1));
  EXPECT_EQ(message, WithRecordPlace(std::string(texts::kDeleteFailedHeading) + "\r\n" + PathOf("held.txt")));
}

// The folder-name search gives the root "D:" itself as a row, and a drive
// root can be one too. Neither is handed to the shell (under Wine it would
// delete or move the test drive's whole folder); the subfolder row beside
// them is acted on as ever, and the message names the drive rows with why.
TEST_F(FileOperations, a_whole_drive_row_is_never_deleted_moved_or_copied_and_is_named_with_the_reason) {
  const std::wstring kept = L"D:\\vorlix-drive-row-kept.txt";
  const std::string sub = "D:\\vorlix-drive-row-sub";
  const std::string why(texts::kWholeDriveRefused);
  const struct {
    std::u16string_view button;
    std::string_view partly_done;
    std::string_view heading;
  } runs[] = {{u"按钮4", texts::kDeletePartlyDone, texts::kDeleteFailedHeading},
              {u"按钮3", texts::kCopyPartlyDone, texts::kCopyFailedHeading},
              {u"按钮5", texts::kMovePartlyDone, texts::kMoveFailedHeading}};
  for (const auto& run : runs) {
    NextCase();
    ASSERT_TRUE(CreateDirectoryW(platform::Wide(sub).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    HANDLE file = CreateFileW(kept.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    Make({{"t\\z", ""}});
    Rows({{"D:", true}, {"D:\\", true}, {sub, true}});

    std::string message;
    if (run.button == u"按钮4") {
      DialogAnswers answers({{IDOK, {}}, ReadMessage(message)});
      Click(run.button);
    } else {
      message = Run(run.button, "t");
    }

    const std::string what = Utf8(run.button);
    EXPECT_NE(GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES) << what << ": the drive's own file stays";
    const bool sub_stays = run.button == u"按钮3";
    EXPECT_EQ(GetFileAttributesW(platform::Wide(sub).c_str()) != INVALID_FILE_ATTRIBUTES, sub_stays) << what;
    if (run.button != u"按钮4") {
      EXPECT_NE(GetFileAttributesW(platform::Wide(PathOf("t\\vorlix-drive-row-sub")).c_str()), INVALID_FILE_ATTRIBUTES)
          << what << ": the subfolder row was acted on";
      EXPECT_EQ(Read("t\\vorlix-drive-row-kept.txt"), kMissing) << what << ": nothing of the drive's own";
    }
    const std::vector<int> checked = run.button == u"按钮4" ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 2};
    EXPECT_EQ(CheckedRows(), checked) << what << ": the drive rows keep their rows and checks";
    EXPECT_EQ(Status(), core::FormatText(run.partly_done, 3, 2)) << what;
    EXPECT_EQ(message, WithRecordPlace(std::string(run.heading) + "\r\nD:" + why + "\r\nD:\\" + why)) << what;
    RemoveDirectoryW(platform::Wide(sub).c_str());
  }
  DeleteFileW(kept.c_str());
}

// Clicks on all four buttons while a copy or a delete runs arrive between
// its rows: none starts a run of its own, so no dialog of theirs shows.
TEST_F(FileOperations, a_click_on_any_of_the_buttons_while_one_runs_starts_nothing) {
  const auto click_all = [this] {
    for (std::u16string_view button : {u"按钮3", u"按钮5", u"按钮4", u"按钮_复制到剪贴板"}) {
      PostMessageW(Unit(button), BM_CLICK, 0, 0);
    }
  };
  folder_.MakeFolder("a");
  folder_.MakeFolder("t");
  SetAutoRename(true);
  for (const auto& [button, first_step] :
       {std::pair{u"按钮3", ChooseFolder(PathOf("t"))}, std::pair{u"按钮4", DialogAnswers::Step{IDOK, {}}}}) {
    ClearRows();
    folder_.Write("a\\x.txt", "x");
    Rows({{"a\\x.txt", true}, {"a\\x.txt", false}});
    DialogAnswers::Step step = first_step;
    step.after = click_all;
    DialogAnswers answers({step});
    Click(button);
    EXPECT_EQ(answers.unexpected(), 0) << Utf8(button);
  }
  EXPECT_EQ(Read("t\\x (2).txt"), kMissing) << "copied once";
}

std::string added_row;

// A search's part: WM_APP puts a row at the top of the result list.
LRESULT CALLBACK AddRowAtTheTop(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_APP) {
    commands::ListViewInsertItem(app::ResultList(), 0, added_row);
    commands::ListViewSetText(app::ResultList(), 0, 1, "new");
  }
  return 0;
}

// While a delete runs, a search puts rows at the top and a header click
// sorts the rows: the files of the rows checked at the start go, and their
// rows with them, and no other.
TEST_F(FileOperations, rows_added_or_sorted_while_a_delete_runs_never_make_it_act_on_other_rows) {
  for (const char* name : {"a", "b", "c", "d"}) folder_.Write(name, "x");
  Rows({{"a", true}, {"b", false}, {"c", true}, {"d", false}});
  HWND list = Unit(u"超级列表框1");
  added_row = folder_.Path("new");
  HWND search = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(search, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AddRowAtTheTop));
  const auto meanwhile = [&] {
    PostMessageW(search, WM_APP, 0, 0);
    HWND header = ListView_GetHeader(list);
    RECT item;
    Header_GetItemRect(header, 1, &item);
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 10, item.top + 5));
    PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(item.left + 10, item.top + 5));
  };
  DialogAnswers answers({{IDOK, {}, meanwhile}});
  Click(u"按钮4");
  DestroyWindow(search);

  EXPECT_EQ(Names(), (std::vector<std::string>{"new", "d", "b"})) << "sorted descending, less the deleted rows";
  EXPECT_EQ(folder_.Read("a"), kMissing);
  EXPECT_EQ(folder_.Read("c"), kMissing);
  EXPECT_EQ(folder_.Read("b"), "x");
  EXPECT_EQ(folder_.Read("d"), "x");
  EXPECT_EQ(Status(), texts::kDeleteFinished);
}

}  // namespace
}  // namespace vorlix::test
