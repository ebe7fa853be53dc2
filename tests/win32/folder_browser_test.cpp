#include "platform/folder_browser.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <vector>

#include "dialog_driver.h"
#include "platform/wide_text.h"
#include "temporary_folder.h"
#include "test_windows.h"

namespace vorlix::platform {
namespace {

using vorlix::testing::DialogDriver;
using vorlix::testing::OwnedWindow;

TEST(FolderBrowser, the_programs_windows_are_disabled_during_the_dialog_and_restored_after_a_cancel) {
  OwnedWindow enabled(vorlix::testing::MakeTopLevelWindow(0, 0, 100, 100, false));
  OwnedWindow disabled(vorlix::testing::MakeTopLevelWindow(0, 0, 100, 100, false));
  EnableWindow(disabled, FALSE);
  bool any_enabled_during = true;
  DialogDriver driver(IDCANCEL, [&](HWND) {
    any_enabled_during = IsWindowEnabled(enabled) || IsWindowEnabled(disabled);
  });
  const std::vector<std::uintptr_t> windows = {enabled.handle(), disabled.handle()};

  EXPECT_EQ(BrowseForFolder("choose", false, windows), "");

  ASSERT_TRUE(driver.answered());
  EXPECT_FALSE(any_enabled_during);
  EXPECT_TRUE(IsWindowEnabled(enabled));
  EXPECT_FALSE(IsWindowEnabled(disabled)) << "a window disabled before stays disabled";
}

TEST(FolderBrowser, the_chosen_folders_path_comes_back_whole) {
  vorlix::testing::TemporaryFolder folder;
  const std::string chosen = folder.Path() + "\\" + Narrow(L"目录 甲");
  CreateDirectoryW(Wide(chosen).c_str(), nullptr);
  // Wine's dialog, the first of a process under load, sometimes stops short
  // of a deep folder on the first request; a second one reaches it.
  DialogDriver driver(IDOK, [&](HWND dialog) {
    for (int request = 0; request < 2; ++request) {
      SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(Wide(chosen).c_str()));
    }
  });

  EXPECT_EQ(BrowseForFolder(Narrow(L"选择目录"), false, {}), chosen);
  ASSERT_TRUE(driver.answered());
}

TEST(FolderBrowser, with_files_listed_a_chosen_files_path_comes_back) {
  vorlix::testing::TemporaryFolder folder;
  folder.Write("note.txt", "x");
  // As above: a second request reaches what a first one under load may not.
  DialogDriver driver(IDOK, [&](HWND dialog) {
    for (int request = 0; request < 2; ++request) {
      SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.WidePath("note.txt").c_str()));
    }
  });

  EXPECT_EQ(BrowseForFolder("choose", true, {}), folder.Path("note.txt"));
}

}  // namespace
}  // namespace vorlix::platform
