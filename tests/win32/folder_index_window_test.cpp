// The folder index on the built main window: its entries after the folder
// list's menu, the option in config.ini, its file in the user's local
// application data, which only the identity that wrote it uses, and
// searches through it that give the rows of a walk while the tree changes,
// below a link to a volume whose stamps it does not trust, and that a stop
// still ends.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <chrono>
#include <random>
#include <thread>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/search/index/folder_index_file.h"
#include "app/search/walk/folder_lister.h"
#include "app/search/folder_index_use.h"
#include "app/settings/option_handlers.h"
#include "app/settings/search_folders.h"
#include "app/settings/settings_at_start.h"
#include "platform/folder_stamps.h"
#include "platform/wide_text.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/settings_commands.h"
#include "runtime/core/program/program_location.h"
#include "tests/win32/search_window_fixture.h"
#include "tests/win32/temporary_folder.h"
#include "tests/win32/unix_links.h"
#include "texts.h"

namespace vorlix::test {
namespace {

using namespace app::main_window;

class FolderIndexWindow : public SearchWindowTest {
 protected:
  void PlaceMoreHandlers() override {
    program_directory_ = core::ThisProgram().directory;
    core::SetProgramDirectory(program_.Path());
    Replace("LoadSettingsAtStart", app::Guarded<app::LoadSettingsAtStart>);
    Replace("ShowFolderMenu", app::Guarded<app::ShowFolderMenu>);
    Replace("ToggleFolderIndex", app::Guarded<app::ToggleFolderIndex>);
    Replace("ClearFolderIndex", app::Guarded<app::ClearFolderIndex>);
  }

  // The index outlives a window, as it does in the program: each test
  // starts with it empty.
  void SetUp() override {
    SearchWindowTest::SetUp();
    app::ClearFolderIndex({});
  }

  void TearDown() override {
    app::FinishFolderIndex();
    SearchWindowTest::TearDown();
    core::SetProgramDirectory(program_directory_);
  }

  // The folders the index file holds, once what was kept is written.
  std::size_t FoldersInFile() {
    app::FinishFolderIndex();
    return app::LoadFolderIndex(app::FolderIndexFile(), app::FolderIndexFormatOf(app::SystemFolderLister()))->size();
  }

  static void WriteIndexFile(const std::string& bytes) {
    const HANDLE file = CreateFileW(platform::Wide(app::FolderIndexFile()).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

  // Lets go of the index in memory and loads it from its file again.
  void ReloadIndex() {
    Choose(menu::使用文件夹索引);
    Choose(menu::使用文件夹索引);
  }

  // A menu entry chosen as the window receives it.
  void Choose(core::UnitId item) {
    const int command = kFirstMenuCommand + MenuPlace(item);
    SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    PumpMessages();
  }

  int MenuPlace(core::UnitId item) {
    int place = 0;
    for (const core::TemplateRecord& record : Window().records) {
      if (!record.IsMenuItem()) continue;
      if (record.id == item) return place;
      ++place;
    }
    return -1;
  }

  std::vector<Row> Search(const std::string& names, bool fuzzy, bool folders, const std::vector<std::string>& roots) {
    SetNames(names);
    MatchFuzzy(fuzzy);
    FolderNamesOnly(folders);
    commands::ListViewDeleteAll(app::MainWindowList(超级列表框_路径));
    for (const auto& root : roots) AddFolder(root);
    Click(u"按钮_立即搜索");
    EXPECT_TRUE(WaitForSearchEnd());
    return Rows();
  }

  // The same search with the index and without it.
  void ExpectSameRows(const std::string& names, bool fuzzy, bool folders, const std::vector<std::string>& roots,
                      const std::string& context) {
    ASSERT_TRUE(app::FolderIndexOn());
    const std::vector<Row> indexed = Search(names, fuzzy, folders, roots);
    Choose(menu::使用文件夹索引);
    const std::vector<Row> walked = Search(names, fuzzy, folders, roots);
    Choose(menu::使用文件夹索引);
    EXPECT_EQ(indexed, walked) << context;
    EXPECT_FALSE(walked.empty()) << context;
  }

  testing::TemporaryFolder program_;
  testing::TemporaryFolder tree_;
  std::string program_directory_;
};

TEST_F(FolderIndexWindow, is_on_unless_switched_off_and_the_entry_stores_its_state) {
  EXPECT_TRUE(app::FolderIndexOn()) << "no key: on";
  Choose(menu::使用文件夹索引);
  EXPECT_FALSE(app::FolderIndexOn());
  EXPECT_EQ(commands::ReadSettingsItem(program_.Path("config.ini"), "zhuce", texts::kKeyUseFolderIndex),
            texts::kFalse);
  Choose(menu::使用文件夹索引);
  EXPECT_TRUE(app::FolderIndexOn());
  EXPECT_EQ(commands::ReadSettingsItem(program_.Path("config.ini"), "zhuce", texts::kKeyUseFolderIndex),
            texts::kTrue);
  commands::WriteSettingsItem(program_.Path("config.ini"), "zhuce", texts::kKeyUseFolderIndex, "0");
  app::LoadSettingsAtStart({});
  EXPECT_TRUE(app::FolderIndexOn()) << "only \"假\" turns it off";
  commands::WriteSettingsItem(program_.Path("config.ini"), "zhuce", texts::kKeyUseFolderIndex, texts::kFalse);
  app::LoadSettingsAtStart({});
  EXPECT_FALSE(app::FolderIndexOn());
}

TEST_F(FolderIndexWindow, searches_keep_it_in_the_users_local_application_data_and_the_clear_entry_empties_it) {
  const std::string file = app::FolderIndexFile();
  ASSERT_FALSE(file.empty());
  wchar_t local[MAX_PATH + 1] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, local), S_OK);
  EXPECT_EQ(file.substr(0, file.rfind('\\')), platform::Narrow(local) + "\\vorlix");
  MakeFolder(tree_.Path("a"));
  MakeFile(tree_.Path("a\\report.doc"));
  Search("report\r\n", false, false, {tree_.Path()});
  EXPECT_EQ(FoldersInFile(), 2u);
  Choose(menu::清除文件夹索引);
  EXPECT_EQ(FoldersInFile(), 0u);
  Choose(menu::使用文件夹索引);
  Search("report\r\n", false, false, {tree_.Path()});
  EXPECT_EQ(FoldersInFile(), 0u) << "off: nothing kept";
}

TEST_F(FolderIndexWindow, a_damaged_index_file_is_ignored_and_written_anew) {
  MakeFolder(tree_.Path("a"));
  MakeFile(tree_.Path("a\\report.doc"));
  Choose(menu::使用文件夹索引);
  WriteIndexFile("VORLIXFI\x01\x00\x00\x00 damaged beyond its header");
  Choose(menu::使用文件夹索引);  // on again: loads the damaged file
  EXPECT_EQ(Search("report\r\n", false, false, {tree_.Path()}),
            (std::vector<Row>{{tree_.Path("a\\report.doc"), "report.doc"}}));
  EXPECT_EQ(FoldersInFile(), 2u);
}

// Another user's, or a run's of other groups or elevation: here it says,
// under the tree's own stamp, that the tree holds a file it does not.
TEST_F(FolderIndexWindow, an_index_another_identity_made_is_ignored_and_written_anew) {
  MakeFolder(tree_.Path("a"));
  MakeFile(tree_.Path("a\\report.doc"));
  const std::string root = tree_.Path() + "\\";
  const std::optional<platform::FolderStamp> stamp = platform::ReadFolderStamp(root);
  ASSERT_TRUE(stamp.has_value());
  app::LoweredName name;
  name.Assign("report.xls", app::NameEncoding::kGbk);
  std::string entries;
  app::packed_entries::Append(entries, {"report.xls", false, false}, app::KeysOf(name));
  app::packed_entries::Append(entries, {"a", true, false}, {});
  app::FolderIndex foreign;
  foreign.Put(root, app::FolderRecord::Owning(*stamp, 0, false, 2, entries));
  app::FolderIndexFormat format = app::FolderIndexFormatOf(app::SystemFolderLister());
  format.lister = app::IdentityDigest("S-1-5-21-0-0-0-1001 groups, S-1-1-0");
  ASSERT_TRUE(app::SaveFolderIndex(app::FolderIndexFile(), foreign, format));
  ReloadIndex();
  ExpectSameRows("report\r\n", false, false, {tree_.Path()}, "files");
  EXPECT_EQ(FoldersInFile(), 2u) << "written anew by this identity";
}

// G: is the test prefix's network drive. Trust went by the drive letter of
// the root's path, C:, a fixed drive.
TEST_F(FolderIndexWindow, a_root_below_a_link_to_a_network_drive_is_walked_and_not_kept) {
  const testing::TemporaryFolder on_network("G:\\");
  MakeFolder(on_network.Path("sub"));
  MakeFile(on_network.Path("sub\\report.doc"));
  struct LinkRemoval {
    std::string link;
    ~LinkRemoval() { testing::RemoveUnixTree(link); }  // the link alone, before the tree is removed through it
  } removal{tree_.Path("net")};
  ASSERT_TRUE(testing::MakeUnixLink(testing::UnixPath(on_network.Path()), removal.link));
  const std::string root = tree_.Path("net\\sub");
  ExpectSameRows("report\r\n", false, false, {root}, "files");
  ExpectSameRows("sub\r\n", false, true, {root}, "folders");
  EXPECT_EQ(FoldersInFile(), 0u);
}

// A tree that is some seconds old, so that its folders are no longer racy
// and come from the index, changed a little before each search; both
// searches, exact and fuzzy, with the index and without.
TEST_F(FolderIndexWindow, gives_the_rows_of_a_walk_while_the_tree_changes) {
  std::mt19937 random(5);
  std::vector<std::string> folders{tree_.Path()};
  for (int i = 0; i < 30; ++i) {
    const std::string folder = folders[random() % folders.size()] + "\\" + (i % 2 ? "Photos" : "report") +
                               std::to_string(i);
    MakeFolder(folder);
    folders.push_back(folder);
    for (int file = 0; file < 4; ++file) MakeFile(folder + "\\Report" + std::to_string(file) + ".doc");
  }
  Search("report1\r\n", false, false, {tree_.Path()});
  std::this_thread::sleep_for(std::chrono::milliseconds(3500));
  for (int round = 0; round < 6; ++round) {
    const std::string folder = folders[random() % folders.size()];
    switch (round % 3) {
      case 0: MakeFile(folder + "\\report1.new"); break;
      case 1: MakeFolder(folder + "\\photos" + std::to_string(round)); break;
      default:
        MoveFileW(platform::Wide(folder + "\\Report2.doc").c_str(), platform::Wide(folder + "\\REPORT2.doc").c_str());
    }
    const std::string context = "round " + std::to_string(round);
    ExpectSameRows("report1\r\nreport2\r\n", false, false, {tree_.Path()}, context + " exact files");
    ExpectSameRows("port\r\n", true, false, {tree_.Path()}, context + " fuzzy files");
    ExpectSameRows("photos" + std::to_string(round) + "\r\nphotos1\r\nreport4\r\n", false, true, {tree_.Path()},
                   context + " exact folders");
    ExpectSameRows("hot\r\n", true, true, {tree_.Path(), tree_.Path() + "\\"}, context + " fuzzy folders");
  }
  EXPECT_GT(FoldersInFile(), 30u);
}

// The stop click is posted before the search starts, so it arrives through
// the first message processing inside the search, as a click does.
TEST_F(FolderIndexWindow, a_stop_ends_an_indexed_search) {
  for (int i = 0; i < 400; ++i) {
    const std::string folder = tree_.Path("r" + std::to_string(i));
    MakeFolder(folder);
    for (int file = 0; file < 10; ++file) MakeFile(folder + "\\r" + std::to_string(file) + ".txt");
  }
  const std::size_t all_files = Search("r\r\n", true, false, {tree_.Path()}).size();
  const std::size_t all_folders = Search("r\r\n", true, true, {tree_.Path()}).size();
  ASSERT_EQ(all_files, 4000u);
  ASSERT_EQ(all_folders, 401u);
  std::this_thread::sleep_for(std::chrono::milliseconds(3500));
  for (const bool folders : {false, true}) {
    app::FinishFolderIndex();  // the index of the last search is taken in
    SetNames("r\r\n");
    FolderNamesOnly(folders);
    PostMessageW(Unit(u"按钮_停止搜索"), BM_CLICK, 0, 0);
    Click(u"按钮_立即搜索");
    Click(u"按钮_停止搜索");
    ASSERT_TRUE(WaitForSearchEnd());
    EXPECT_LT(Rows().size(), folders ? all_folders : all_files) << "the search ended before its last rows";
    const std::string_view before = folders ? texts::kFoldersFoundBefore : texts::kFilesFoundBefore;
    EXPECT_EQ(Status(), std::string(before) + std::to_string(Rows().size()) + std::string(texts::kFoundAfter));
  }
}

}  // namespace
}  // namespace vorlix::test
