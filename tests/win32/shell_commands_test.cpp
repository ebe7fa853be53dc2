#include "runtime/commands/shell_commands.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

// Each test lets the shell start a real program that leaves a marker file,
// and waits for it.
namespace vorlix::commands {
namespace {

bool WaitForFile(const std::wstring& path) {
  for (int waited = 0; waited < 200; ++waited) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

class ShellCommandsTest : public ::testing::Test {
 protected:
  // A batch file that writes its first argument's marker into the current directory.
  std::string MakeBatch() {
    folder_.Write("mark.bat", "@echo off\r\necho done> marker-%1.txt\r\n");
    return folder_.Path("mark.bat");
  }

  vorlix::testing::TemporaryFolder folder_;
};

TEST_F(ShellCommandsTest, shell_open_passes_verb_parameters_and_working_directory) {
  std::string batch = MakeBatch();
  ShellOpen(4, batch, "open", folder_.Path(), 1);
  EXPECT_TRUE(WaitForFile(folder_.WidePath("marker-open.txt")));
}

TEST_F(ShellCommandsTest, shell_open_with_verb_0_uses_the_files_default_verb) {
  std::string batch = MakeBatch();
  ShellOpen(0, batch, "default", folder_.Path());
  EXPECT_TRUE(WaitForFile(folder_.WidePath("marker-default.txt")));
}

TEST_F(ShellCommandsTest, open_web_page_opens_a_file_with_its_associated_program) {
  folder_.Write("page.bat", "@echo off\r\necho done> \"%~dp0opened.txt\"\r\n");
  OpenWebPage(folder_.Path("page.bat"));
  EXPECT_TRUE(WaitForFile(folder_.WidePath("opened.txt")));
}

}  // namespace
}  // namespace vorlix::commands
