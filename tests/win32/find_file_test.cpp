#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "runtime/commands/file_commands.h"
#include "temporary_folder.h"

namespace vorlix::commands {
namespace {

constexpr std::string_view kChineseName = "\xD6\xD0\xCE\xC4.txt";  // a Chinese file name

// A folder holding a plain, a hidden, a system and a read-only file, a
// Chinese-named file, a plain folder and a hidden system folder.
class FindFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"plain.txt", "hidden.txt", "system.sys", "readonly.txt"}) folder_.Write(name, "x");
    folder_.Write(std::string(kChineseName), "x");
    folder_.SetAttributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    folder_.SetAttributes("system.sys", FILE_ATTRIBUTE_SYSTEM);
    folder_.SetAttributes("readonly.txt", FILE_ATTRIBUTE_READONLY);
    folder_.MakeFolder("sub");
    folder_.MakeFolder("secret");
    folder_.SetAttributes("secret", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  }

  // Every name that FindFile hands out for the pattern, sorted.
  std::vector<std::string> ListAll(const std::string& pattern, std::optional<std::int32_t> filter) {
    std::vector<std::string> names;
    FindHandle handle = 0;
    for (std::string name = FindFile(pattern, filter, handle); !name.empty(); name = FindFile("", filter, handle)) {
      names.push_back(name);
      EXPECT_NE(handle, 0) << "a listing that gave a name stays open";
    }
    EXPECT_EQ(handle, 0) << "the end of a listing closes it";
    std::sort(names.begin(), names.end());
    return names;
  }

  vorlix::testing::TemporaryFolder folder_;
};

using Names = std::vector<std::string>;

TEST_F(FindFileTest, the_folder_filter_gives_dot_dotdot_and_hidden_system_folders) {
  EXPECT_EQ(ListAll(folder_.Path("*"), 0x10), (Names{".", "..", "secret", "sub"}));
}

TEST_F(FindFileTest, without_filter_every_file_comes_hidden_and_system_ones_too) {
  Names expected{"hidden.txt", "plain.txt", "readonly.txt", "system.sys", std::string(kChineseName)};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ListAll(folder_.Path("*"), std::nullopt), expected);
}

TEST_F(FindFileTest, the_hidden_filter_gives_hidden_files_and_folders) {
  EXPECT_EQ(ListAll(folder_.Path("*"), 0x02), (Names{"hidden.txt", "secret"}));
  EXPECT_EQ(ListAll(folder_.Path("*"), 0x04), (Names{"secret", "system.sys"}));
  EXPECT_EQ(ListAll(folder_.Path("*"), 0x01), (Names{"readonly.txt"}));
}

TEST_F(FindFileTest, filter_zero_skips_every_entry_whose_attribute_word_is_not_zero) {
  EXPECT_EQ(ListAll(folder_.Path("*"), 0), Names{});
}

TEST_F(FindFileTest, a_wildcard_pattern_lists_only_matching_names) {
  EXPECT_EQ(ListAll(folder_.Path("*.txt"), std::nullopt).size(), 4u);
  EXPECT_EQ(ListAll(folder_.Path("pl?in.*"), std::nullopt), Names{"plain.txt"});
}

TEST_F(FindFileTest, an_empty_pattern_with_handle_zero_gives_nothing_and_leaves_the_handle_zero) {
  FindHandle handle = 0;
  EXPECT_EQ(FindFile("", std::nullopt, handle), "");
  EXPECT_EQ(handle, 0);
}

TEST_F(FindFileTest, a_missing_folder_gives_nothing_and_handle_zero) {
  FindHandle handle = 0;
  EXPECT_EQ(FindFile(folder_.Path("none\\*"), std::nullopt, handle), "");
  EXPECT_EQ(handle, 0);
}

TEST_F(FindFileTest, a_new_pattern_replaces_the_open_listing) {
  FindHandle handle = 0;
  ASSERT_FALSE(FindFile(folder_.Path("*"), 0x10, handle).empty());
  ASSERT_NE(handle, 0);
  EXPECT_EQ(FindFile(folder_.Path("plain.*"), std::nullopt, handle), "plain.txt");
  EXPECT_EQ(FindFile("", std::nullopt, handle), "");
  EXPECT_EQ(handle, 0);
}

TEST_F(FindFileTest, closing_early_leaves_the_callers_variable_as_it_was) {
  FindHandle handle = 0;
  ASSERT_FALSE(FindFile(folder_.Path("*"), std::nullopt, handle).empty());
  FindHandle kept = handle;
  FindFileClose(handle);
  EXPECT_EQ(handle, kept);
  FindFileClose(0);
}

TEST(FileExists, finds_files_folders_and_wildcard_matches) {
  vorlix::testing::TemporaryFolder folder;
  folder.Write("a.txt", "x");
  folder.MakeFolder("sub");
  EXPECT_TRUE(FileExists(folder.Path("a.txt")));
  EXPECT_TRUE(FileExists(folder.Path("*.txt")));
  EXPECT_TRUE(FileExists(folder.Path("sub")));
  EXPECT_FALSE(FileExists(folder.Path("sub") + "\\")) << "a folder with a trailing backslash is not found";
  EXPECT_FALSE(FileExists(folder.Path("b.txt")));
  EXPECT_FALSE(FileExists(""));
}

TEST(GetRunDirectory, is_the_folder_of_the_program_file_without_trailing_backslash) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.rfind(L'\\'));
  EXPECT_EQ(GetRunDirectory(), platform::Narrow(folder));
}

}  // namespace
}  // namespace vorlix::commands
