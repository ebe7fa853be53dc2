// The folder-name search on its worker and the not-found report, through
// the buttons of the built main window over real folder trees.
#include <gtest/gtest.h>

#include <functional>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "runtime/commands/list_view_commands.h"
#include "app/search/folder_name_search.h"
#include "app/search/search_run.h"
#include "platform/gbk_codec.h"
#include "platform/wide_text.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/text_search.h"
#include "tests/win32/search_window_fixture.h"
#include "tests/win32/temporary_folder.h"
#include "texts.h"

namespace vorlix::test {
namespace {

std::vector<std::string> Subfolders(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  const std::string pattern = folder + (folder.back() == '\\' ? "" : "\\") + "*.*";
  HANDLE find = FindFirstFileW(platform::Wide(pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = platform::Narrow(data.cFileName);
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

// The folders of a root as a plain recursive walk gives them: the root,
// then every folder after its own subfolders.
std::vector<std::string> Collected(const std::string& root) {
  std::vector<std::string> folders{root};
  std::function<void(const std::string&)> walk = [&](const std::string& folder) {
    const std::string parent = folder.back() == '\\' ? folder : folder + "\\";
    for (const auto& name : Subfolders(folder)) {
      walk(parent + name);
      folders.push_back(parent + name);
    }
  };
  walk(root);
  return folders;
}

std::string LastComponent(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

std::vector<Row> ExpectedFolderRows(const std::vector<std::string>& roots, const std::vector<std::string>& keywords,
                                    bool exact) {
  std::vector<Row> rows;
  for (const auto& root : roots) {
    const std::vector<std::string> folders = Collected(root);
    for (const auto& keyword : keywords) {
      for (const auto& folder : folders) {
        const std::string name = LastComponent(folder);
        const bool match = exact ? _stricmp(name.c_str(), keyword.c_str()) == 0
                                 : commands::FindText(name, keyword, std::nullopt, true) > 0;
        if (match) rows.push_back({folder, ""});
      }
    }
  }
  return rows;
}

class FolderNameSearch : public SearchWindowTest {
 protected:
  void SetUp() override {
    SearchWindowTest::SetUp();
    FolderNamesOnly(true);
    for (const char* folder : {"Data", "Data\\Photos", "Data\\Photos\\2019-01", "Data\\Photos\\2019-02", "Archive",
                               "Archive\\PHOTOS", "2019", "Data\\Photos\\photos"}) {
      MakeFolder(tree_.Path(folder));
    }
  }

  void Search(const std::string& names, bool exact, const std::vector<std::string>& roots) {
    SetNames(names);
    MatchFuzzy(!exact);
    commands::ListViewDeleteAll(app::MainWindowList(app::main_window::超级列表框_路径));
    for (const auto& root : roots) AddFolder(root);
    Click(u"按钮_立即搜索");
    ASSERT_TRUE(WaitForSearchEnd());
  }

  void MakeWideTree(const std::string& root, int folders) {
    MakeFolder(root);
    for (int i = 0; i < folders; ++i) MakeFolder(root + "\\f" + std::to_string(i));
  }

  testing::TemporaryFolder tree_;
};

TEST_F(FolderNameSearch, gives_the_rows_of_a_plain_collection_root_by_root_and_keyword_by_keyword) {
  struct Case {
    std::string names;
    std::vector<std::string> keywords;
    bool exact;
  };
  const Case cases[] = {
      {"photos\r\n2019\r\n", {"photos", "2019"}, true},
      {"2019\r\nPHOT\r\n", {"2019", "PHOT"}, false},
      {"photos\r\nPhotos\r\n", {"photos", "Photos"}, true},
  };
  const std::vector<std::string> roots{tree_.Path("Data\\Photos"), tree_.Path("Data\\Photos") + "\\", tree_.Path()};
  for (const auto& c : cases) {
    Search(c.names, c.exact, roots);
    EXPECT_EQ(Rows(), ExpectedFolderRows(roots, c.keywords, c.exact)) << c.names;
    EXPECT_EQ(Status(), std::string(texts::kFoldersFoundBefore) + std::to_string(Rows().size()) +
                            std::string(texts::kFoundAfter));
  }
}

TEST_F(FolderNameSearch, a_root_with_a_closing_backslash_never_matches_itself) {
  Search("photos\r\n", true, {tree_.Path("Data\\Photos") + "\\"});
  EXPECT_EQ(Rows(), (std::vector<Row>{{tree_.Path("Data\\Photos\\photos"), ""}}));
  Search("photos\r\n", true, {tree_.Path("Data\\Photos")});
  EXPECT_EQ(Rows(), (std::vector<Row>{{tree_.Path("Data\\Photos"), ""}, {tree_.Path("Data\\Photos\\photos"), ""}}));
}

TEST_F(FolderNameSearch, a_drive_letter_becomes_its_drive_and_a_missing_root_gives_nothing) {
  // D: is a folder of the test prefix.
  const std::string own = "D:\\vorlix-folders-" + std::to_string(GetCurrentProcessId());
  MakeFolder(own);
  MakeFolder(own + "\\d");
  Search("d:\r\nd\r\n", true, {"D", tree_.Path("gone"), own});
  RemoveDirectoryW(platform::Wide(own + "\\d").c_str());
  RemoveDirectoryW(platform::Wide(own).c_str());
  EXPECT_EQ(Rows(), (std::vector<Row>{{"D:", ""}, {own + "\\d", ""}, {own + "\\d", ""}}));
}

TEST_F(FolderNameSearch, a_root_whose_path_holds_characters_outside_gbk_is_searched) {
  // U+0E01, a Thai letter GBK lacks: the text holds it as a GB18030 four-byte sequence.
  const std::string thai = platform::Utf16ToGbk(u"\u0E01");
  const std::string root = tree_.Path("Data\\" + thai);
  MakeFolder(root);
  MakeFolder(root + "\\photos");
  Search("photos\r\n" + thai + "\r\n", true, {root});
  EXPECT_EQ(Rows(), (std::vector<Row>{{root + "\\photos", ""}, {root, ""}}));
}

TEST_F(FolderNameSearch, a_stop_ends_the_worker_while_it_collects) {
  const std::string wide = tree_.Path("wide");
  MakeWideTree(wide, 3000);
  SetNames("f1\r\n");
  AddFolder(wide);
  AddFolder(wide);
  Click(u"按钮_立即搜索");
  Click(u"按钮_停止搜索");
  ASSERT_TRUE(WaitForSearchEnd(5000)) << "the worker ended promptly";
  EXPECT_LT(Rows().size(), 2u) << "the second root was not collected";
  EXPECT_EQ(Status(), std::string(texts::kFoldersFoundBefore) + std::to_string(Rows().size()) +
                          std::string(texts::kFoundAfter));
}

TEST_F(FolderNameSearch, a_second_request_while_the_worker_runs_is_ignored) {
  const std::string wide = tree_.Path("wide");
  MakeWideTree(wide, 1000);
  SetNames("f1\r\n");
  AddFolder(wide);
  Click(u"按钮_立即搜索");
  SetNames("f2\r\n");
  Click(u"按钮_立即搜索");
  ASSERT_TRUE(WaitForSearchEnd());
  EXPECT_EQ(Rows(), (std::vector<Row>{{wide + "\\f1", ""}}));
  EXPECT_EQ(Names(), "f2\r\n") << "the ignored request left the box alone";
}

TEST_F(FolderNameSearch, closing_the_window_while_the_worker_runs_ends_it_without_touching_units) {
  const std::string wide = tree_.Path("wide");
  MakeWideTree(wide, 3000);
  SetNames("f\r\n");
  MatchFuzzy(true);
  AddFolder(wide);
  Click(u"按钮_立即搜索");
  DestroyWindow(Frame());
  app::EndFolderNameSearch();
  PumpMessages();
  EXPECT_FALSE(app::MainWindowOpen());
}

class NotFoundReport : public FolderNameSearch {
 protected:
  std::string Report() {
    const std::string path = commands::GetRunDirectory() + "\\" + std::string(texts::kNotFoundReportName);
    DeleteFileW(platform::Wide(path).c_str());
    Click(u"按钮_未搜索到文件");
    if (!commands::FileExists(path)) return "<missing>";
    const core::ByteSet bytes = commands::ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
  }
};

TEST_F(NotFoundReport, a_name_counts_as_found_only_when_a_row_name_matches_it_under_the_search_rule) {
  MakeFile(tree_.Path("Data\\report.doc"));
  MakeFile(tree_.Path("Data\\A.TXT"));
  FolderNamesOnly(false);
  Search("report\r\na.txt\r\nb.txt\r\n", true, {tree_.Path()});
  SetNames("report\r\nport\r\nrep\r\nREPORT.DOC\r\na.txt\r\nb.txt\r\nreport.doc\\a.txt\r\n\r\n");
  EXPECT_EQ(Report(), "port\r\nrep\r\nb.txt\r\nreport.doc\\a.txt\r\n")
      << "parts of a name and text across two names are not found; an empty line is, when rows exist";

  FolderNamesOnly(true);
  Search("phot\r\n", false, {tree_.Path("Archive")});
  SetNames("phot\r\nPHOTOS\r\nHOT\r\narchive\r\n");
  EXPECT_EQ(Report(), "archive\r\n") << "a fuzzy folder search counts names contained in a row's own name only";
}

TEST_F(NotFoundReport, with_no_rows_every_name_is_reported_and_with_every_name_found_the_file_is_empty) {
  SetNames("x\r\n\r\ny\r\n");
  EXPECT_EQ(Report(), "x\r\n\r\ny\r\n");
  Search("Photos\r\n", true, {tree_.Path("Data")});
  EXPECT_EQ(Report(), "");
}

}  // namespace
}  // namespace vorlix::test
