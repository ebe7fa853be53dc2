// Where the platform's file operation says an item went, or why it did
// not: the record of runs writes it down, so it must be what the disk shows.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/shell_file_operation.h"
#include "tests/win32/temporary_folder.h"

namespace vorlix::platform {
namespace {

constexpr std::uint32_t kReplace = 0x14;
constexpr std::uint32_t kRename = 0x1C;

struct OutcomeCase {
  const char* what;
  FileOperation operation;
  std::string source;  // in the room
  std::uint32_t flags;
  FileOperationOutcome expected;  // landed_at in the room
};

TEST(FileOperationOutcome, names_where_the_item_landed_or_why_it_did_not) {
  using Failure = FileOperationFailure;
  const OutcomeCase cases[] = {
      {"copied", FileOperation::kCopy, "from\\a.txt", kReplace, {true, "to\\a.txt", Failure::kNone}},
      {"copied under a new name", FileOperation::kCopy, "from\\x.txt", kRename, {true, "to\\x (2).txt", Failure::kNone}},
      {"copied over the old one", FileOperation::kCopy, "from\\x.txt", kReplace, {true, "to\\x.txt", Failure::kNone}},
      {"moved under a new name", FileOperation::kMove, "from\\m.txt", kRename, {true, "to\\m (2).txt", Failure::kNone}},
      {"a source that is gone", FileOperation::kMove, "from\\gone.txt", kRename, {false, "", Failure::kSourceMissing}},
      {"a folder into itself", FileOperation::kCopy, "to", kReplace, {false, "", Failure::kIntoItself}},
      {"deleted", FileOperation::kDelete, "from\\d.txt", 0x14, {true, "", Failure::kNone}},
  };
  for (const OutcomeCase& c : cases) {
    testing::TemporaryFolder room;
    room.MakeFolder("from");
    room.MakeFolder("to");
    for (const char* name : {"a.txt", "x.txt", "m.txt", "d.txt"}) room.Write(std::string("from\\") + name, "new");
    room.Write("to\\x.txt", "old");
    room.Write("to\\m.txt", "old");
    FileOperationOutcome outcome{true, "unchanged", Failure::kNotArrived};
    const bool done = RunFileOperation({.shell_entry = reinterpret_cast<void*>(SHFileOperationW),
                                        .operation = c.operation,
                                        .source = room.Path(c.source),
                                        .target_folder = c.source == "to" ? room.Path("to\\x") : room.Path("to"),
                                        .flags = c.flags,
                                        .outcome = &outcome});
    EXPECT_EQ(done, c.expected.done) << c.what;
    EXPECT_EQ(outcome.done, c.expected.done) << c.what;
    EXPECT_EQ(outcome.landed_at, c.expected.landed_at.empty() ? "" : room.Path(c.expected.landed_at)) << c.what;
    EXPECT_EQ(outcome.failure, c.expected.failure) << c.what;
  }
}

TEST(FileOperationOutcome, a_whole_drive_and_a_file_held_open_say_so) {
  FileOperationOutcome outcome;
  EXPECT_FALSE(RunFileOperation(
      {.shell_entry = reinterpret_cast<void*>(SHFileOperationW), .operation = FileOperation::kDelete,
       .source = "D:", .flags = 0x54, .outcome = &outcome}));
  EXPECT_EQ(outcome.failure, FileOperationFailure::kWholeDrive);

  testing::TemporaryFolder room;
  room.Write("held.txt", "x");
  const testing::OpenedElsewhere held(room.WidePath("held.txt"), GENERIC_READ, 0);
  EXPECT_FALSE(RunFileOperation({.shell_entry = reinterpret_cast<void*>(SHFileOperationW),
                                 .operation = FileOperation::kDelete,
                                 .source = room.Path("held.txt"),
                                 .flags = 0x14,
                                 .outcome = &outcome}));
  EXPECT_EQ(outcome.failure, FileOperationFailure::kStillThere);
}

}  // namespace
}  // namespace vorlix::platform
