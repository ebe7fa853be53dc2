// The shell's file operation as the platform gives it, on real files, with
// another program at work in the target folder at the same time.
#include "platform/shell_file_operation.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "tests/win32/temporary_folder.h"

namespace vorlix::platform {
namespace {

// What the other program makes while the shell works: the name that a
// renamed copy was about to take.
std::wstring rival_item;
bool rival_makes_a_folder = false;

int WINAPI ShellBesideARival(LPSHFILEOPSTRUCTW operation) {
  if (rival_makes_a_folder) {
    CreateDirectoryW(rival_item.c_str(), nullptr);
  } else {
    HANDLE file = CreateFileW(rival_item.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "rival", 5, &written, nullptr);
    CloseHandle(file);
  }
  return SHFileOperationW(operation);
}

TEST(ShellFileOperation, a_free_name_that_another_program_takes_meanwhile_is_passed_over_not_overwritten) {
  const struct {
    const char* what;
    FileOperation operation;
    bool folder;
  } cases[] = {{"copy a file", FileOperation::kCopy, false},
               {"move a file", FileOperation::kMove, false},
               {"copy a folder", FileOperation::kCopy, true},
               {"move a folder", FileOperation::kMove, true}};
  for (const auto& c : cases) {
    testing::TemporaryFolder folder;
    folder.MakeFolder("from");
    folder.MakeFolder("to");
    const std::string name = c.folder ? "d" : "x.txt";
    const std::string second = c.folder ? "to\\d (2)" : "to\\x (2).txt";
    const std::string third = c.folder ? "to\\d (3)" : "to\\x (3).txt";
    if (c.folder) {
      folder.MakeFolder("from\\d");
      folder.MakeFolder("to\\d");
      folder.Write("from\\d\\in.txt", "new");
      folder.Write("to\\d\\in.txt", "old");
    } else {
      folder.Write("from\\x.txt", "new");
      folder.Write("to\\x.txt", "old");
    }
    rival_item = folder.WidePath(second);
    rival_makes_a_folder = c.folder;

    const bool done = RunFileOperation({.shell_entry = reinterpret_cast<void*>(ShellBesideARival),
                                        .operation = c.operation,
                                        .source = folder.Path("from\\" + name),
                                        .target_folder = folder.Path("to"),
                                        .flags = 0x1C});

    EXPECT_TRUE(done) << c.what;
    const std::string inside = c.folder ? "\\in.txt" : "";
    EXPECT_EQ(folder.Read("to\\" + name + inside), "old") << c.what;
    if (!c.folder) EXPECT_EQ(folder.Read(second), "rival") << c.what << ": the rival's file is its own";
    EXPECT_EQ(folder.Read(third + inside), "new") << c.what << ": the next free name";
    EXPECT_EQ(folder.Read("from\\" + name + inside) == "<missing>", c.operation == FileOperation::kMove) << c.what;
    std::size_t left = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.WidePath("to"))) {
      left += entry.path().filename().wstring().rfind(L".vorlix-", 0) == 0;
    }
    EXPECT_EQ(left, 0u) << c.what << ": no staging folder is left behind";
  }
}

// What a scanner does to a new file: opens it, sharing nothing, as soon as
// the shell has put it in the staging folder (the shell's target); lets go
// after `hold_ms`, or at the end of the test.
HANDLE held_item = INVALID_HANDLE_VALUE;
DWORD hold_ms = 0;

int WINAPI ShellThenAScanner(LPSHFILEOPSTRUCTW operation) {
  const int result = SHFileOperationW(operation);
  const std::wstring staged = std::wstring(operation->pTo) + L"\\x.txt";
  held_item = CreateFileW(staged.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (hold_ms > 0) {
    CreateThread(
        nullptr, 0,
        [](void*) WINAPI -> DWORD {
          Sleep(hold_ms);
          CloseHandle(held_item);
          return 0;
        },
        nullptr, 0, nullptr);
  }
  return result;
}

TEST(ShellFileOperation, a_moved_item_held_in_staging_is_retried_and_else_named_where_it_waits) {
  for (const DWORD hold : {DWORD{30}, DWORD{0}}) {
    testing::TemporaryFolder folder;
    folder.MakeFolder("from");
    folder.MakeFolder("to");
    folder.Write("from\\x.txt", "new");
    folder.Write("to\\x.txt", "old");
    hold_ms = hold;
    FileOperationOutcome outcome;
    const bool done = RunFileOperation({.shell_entry = reinterpret_cast<void*>(ShellThenAScanner),
                                        .operation = FileOperation::kMove,
                                        .source = folder.Path("from\\x.txt"),
                                        .target_folder = folder.Path("to"),
                                        .flags = 0x1C,
                                        .outcome = &outcome});
    if (hold > 0) {
      EXPECT_TRUE(done) << "a scanner's moment is waited out";
      EXPECT_EQ(folder.Read("to\\x (2).txt"), "new");
      continue;
    }
    ASSERT_NE(held_item, INVALID_HANDLE_VALUE) << "the platform shares nothing with an open without sharing";
    EXPECT_FALSE(done);
    EXPECT_EQ(outcome.failure, FileOperationFailure::kLeftInStaging);
    EXPECT_TRUE(outcome.landed_at.starts_with(folder.Path("to\\.vorlix-"))) << outcome.landed_at;
    EXPECT_TRUE(outcome.landed_at.ends_with("\\x.txt")) << outcome.landed_at;
    CloseHandle(held_item);
    EXPECT_EQ(folder.Read(outcome.landed_at.substr(folder.Path().size() + 1)), "new") << "it is where it is said to be";
  }
}

}  // namespace
}  // namespace vorlix::platform
