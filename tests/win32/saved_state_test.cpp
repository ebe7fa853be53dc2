// The names and folders saved at close and loaded at the next start, on
// the built main window in a program folder of its own.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "runtime/commands/settings_commands.h"
#include "runtime/core/events/message_loop.h"
#include "tests/template_data/main_window_records.h"
#include "tests/win32/settings_window_fixture.h"
#include "texts.h"

namespace vorlix::test {
namespace {


FolderRow Row(std::u16string_view text, bool checked) { return {tests::Gbk(text), checked}; }

class SavedState : public SettingsWindowTest {
 protected:
  std::optional<std::string> SavedFolders(std::string_view key) {
    return commands::ReadWholeSettingsItem(folder_.Path("gxbx.ini"), "lb", key);
  }
};

TEST_F(SavedState, the_name_box_comes_back_byte_for_byte_after_a_restart) {
  const std::wstring texts[] = {L"", L"a.jpg\r\n照片.png\r\n", L"ก\r\n\U00020000 x"};
  Start();
  Click(u"选择框_保存关键字");
  for (const std::wstring& text : texts) {
    SetNameBoxText(text);
    Restart();
    EXPECT_EQ(NameBoxText(), text);
    EXPECT_EQ(folder_.Read("filemame.txt"), platform::Narrow(text)) << "the box's bytes, nothing added";
    EXPECT_FALSE(Visible(u"透明标签1")) << "the hint is hidden even over an empty box";
    EXPECT_TRUE(Checked(u"选择框_保存关键字"));
  }
}

TEST_F(SavedState, the_folder_list_comes_back_with_its_check_marks_after_a_restart) {
  // Longer in all than ReadSettingsItem's buffer.
  FolderRows long_rows;
  for (int i = 0; i < 40; ++i) long_rows.push_back({"D:\\" + std::string(280, 'a') + std::to_string(i), i % 2 == 0});
  // Check marks longer in all than that buffer too, with rows past the cut.
  FolderRows many_checked;
  for (int i = 0; i < 3000; ++i) many_checked.push_back({"F" + std::to_string(i), i % 7 != 3});
  const FolderRows lists[] = {
      {},
      {Row(u"D:\\photos", true), Row(u"E:\\docs", false), Row(u"F:\\scans", true)},
      {Row(u"D:\\a,b", true), Row(u"E:\\c", false), Row(u"F:\\d,", true)},
      {Row(u"D:\\照片", false), Row(u"D:\\ก\U00020000", true)},
      long_rows,
      many_checked,
  };
  Start();
  Click(u"选择框_保存路径");
  for (const FolderRows& rows : lists) {
    SetRows(rows);
    Restart();
    EXPECT_EQ(Rows(), rows) << rows.size() << " rows";
    EXPECT_TRUE(Checked(u"选择框_保存路径"));
  }
}

TEST_F(SavedState, lists_without_commas_are_saved_in_the_plain_layout) {
  const std::pair<FolderRows, std::pair<std::string, std::string>> cases[] = {
      {{}, {"", "-1"}},
      {{Row(u"D:\\photos", true), Row(u"E:\\docs", false), Row(u"F:\\scans", true)},
       {"D:\\photos,E:\\docs,F:\\scans,", "0,2"}},
  };
  Start();
  Click(u"选择框_保存路径");
  for (const auto& [rows, saved] : cases) {
    SetRows(rows);
    Restart();
    EXPECT_EQ(SavedFolders("bxjl"), saved.first);
    EXPECT_EQ(SavedFolders("gxbx"), saved.second);
  }
}

TEST_F(SavedState, saved_folders_load_as_their_file_says) {
  const std::pair<std::optional<std::string>, FolderRows> cases[] = {
      {std::nullopt, {}},
      {"[lb]\r\nbxjl=A,B,\r\ngxbx=-1\r\n", {{"A", false}, {"B", false}}},
      {"[lb]\r\nbxjl=A,B,\r\ngxbx=x\r\n", {{"A", true}, {"B", false}}},
      {"[lb]\r\nbxjl=A,B,\r\ngxbx=1,5\r\n", {{"A", false}, {"B", true}}},
      {"[lb]\r\nbxjl=A,,B,\r\ngxbx=2\r\n", {{"A", false}, {"", false}, {"B", true}}},
      {"[lb]\r\nbxjl=A,B\r\n", {{"A", false}, {"B", false}}},
  };
  StoreOption(texts::kKeySaveFolders, texts::kTrue);
  for (const auto& [file, rows] : cases) {
    DeleteFileW(folder_.WidePath("gxbx.ini").c_str());
    if (file) folder_.Write("gxbx.ini", *file);
    Start();
    EXPECT_EQ(Rows(), rows) << file.value_or("no file");
    EXPECT_TRUE(Checked(u"选择框_保存路径"));
    Close();
  }
}

TEST_F(SavedState, only_the_options_checked_at_close_write_their_files) {
  folder_.Write("gxbx.ini", "[lb]\r\nbxjl=old,\r\ngxbx=0\r\n");
  folder_.Write("filemame.txt", "old names");
  Start();
  SetRows({Row(u"D:\\new", true)});
  SetNameBoxText(L"new names");
  Close();
  EXPECT_EQ(folder_.Read("gxbx.ini"), "[lb]\r\nbxjl=old,\r\ngxbx=0\r\n");
  EXPECT_EQ(folder_.Read("filemame.txt"), "old names");

  Start();
  Click(u"选择框_保存路径");
  SetRows({Row(u"D:\\new", true)});
  SetNameBoxText(L"new names");
  Close();
  EXPECT_EQ(SavedFolders("bxjl"), "D:\\new,");
  EXPECT_EQ(folder_.Read("filemame.txt"), "old names");
}

// The file's identity on its volume: a file written in place keeps it.
ULONGLONG FileIdentity(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  GetFileInformationByHandle(file, &info);
  CloseHandle(file);
  return (ULONGLONG{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
}

// A failure halfway through (a full disk, the program killed) can then
// leave only the old file or the new one, never a part of either.
TEST_F(SavedState, saving_puts_new_files_in_the_place_of_the_old_ones) {
  StoreOption(texts::kKeySaveKeywords, texts::kTrue);
  StoreOption(texts::kKeySaveFolders, texts::kTrue);
  folder_.Write("gxbx.ini", "[lb]\r\nbxjl=D:\\a,\r\ngxbx=0\r\n");
  folder_.Write("filemame.txt", "a.jpg");
  const ULONGLONG folders_before = FileIdentity(folder_.WidePath("gxbx.ini"));
  const ULONGLONG names_before = FileIdentity(folder_.WidePath("filemame.txt"));
  Start();
  SetRows({Row(u"D:\\b", false)});
  SetNameBoxText(L"b.jpg");
  Close();
  EXPECT_EQ(folder_.Read("gxbx.ini"), "[lb]\r\nbxjl=D:\\b,\r\ngxbx=-1\r\n");
  EXPECT_EQ(folder_.Read("filemame.txt"), "b.jpg");
  EXPECT_NE(FileIdentity(folder_.WidePath("gxbx.ini")), folders_before);
  EXPECT_NE(FileIdentity(folder_.WidePath("filemame.txt")), names_before);
}

// Wine run as root writes past read-only attributes and folder rights, so
// the folder refuses writes the way it does when another program holds
// its files open for reading only.
TEST_F(SavedState, a_program_folder_that_refuses_writes_loses_nothing_and_options_still_change_on_screen) {
  StoreOption(texts::kKeySaveKeywords, texts::kTrue);
  StoreOption(texts::kKeySaveFolders, texts::kTrue);
  folder_.Write("gxbx.ini", "[lb]\r\nbxjl=D:\\a,\r\ngxbx=0\r\n");
  folder_.Write("filemame.txt", "a.jpg");
  const std::string files[] = {"config.ini", "gxbx.ini", "filemame.txt"};
  std::vector<std::string> before;
  for (const std::string& file : files) before.push_back(folder_.Read(file));
  Start();
  {
    std::vector<std::unique_ptr<vorlix::testing::OpenedElsewhere>> held;
    for (const std::string& file : files) {
      held.push_back(std::make_unique<vorlix::testing::OpenedElsewhere>(folder_.WidePath(file), GENERIC_READ,
                                                                          FILE_SHARE_READ));
      ASSERT_TRUE(held.back()->IsOpen());
    }
    for (std::u16string_view box : {u"选择框1", u"选择框_搜索目录", u"单选框_整个电脑", u"单选框_模糊搜索"}) {
      Click(box);
      EXPECT_TRUE(Checked(box)) << Utf8(box);
    }
    EXPECT_FALSE(Enabled(u"按钮_搜索路径"));
    SetRows({Row(u"D:\\b", true)});
    SetNameBoxText(L"b.jpg");
    Close();
  }
  for (std::size_t i = 0; i < std::size(files); ++i) EXPECT_EQ(folder_.Read(files[i]), before[i]) << files[i];
  EXPECT_EQ(folder_.EntryCount(), std::size(files)) << "no file left beside them";
}

}  // namespace
}  // namespace vorlix::test
