// Copies read back before they count, on real files under Wine: a shell
// that damages what it copies, a second volume (a memory volume at
// Z:\dev\shm), and a volume that fills up.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/shell_file_operation.h"
#include "platform/wide_text.h"
#include "tests/win32/file_damage.h"
#include "tests/win32/temporary_folder.h"
#include "tests/win32/unix_links.h"

namespace vorlix::platform {
namespace {

using testing::TemporaryFolder;

std::string RandomBytes(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

int WINAPI ShellThatDamagesCopies(LPSHFILEOPSTRUCTW operation) {
  const int result = SHFileOperationW(operation);
  if (operation->wFunc == FO_COPY) testing::FlipAByte(testing::CopyMadeBy(*operation));
  return result;
}

struct Room {
  TemporaryFolder here;
  TemporaryFolder other_volume{"Z:\\dev\\shm"};
  Room() {
    for (const TemporaryFolder* side : {&here, &other_volume}) {
      side->MakeFolder("from");
      side->MakeFolder("from\\d");
      side->MakeFolder("to");
      side->Write("from\\x.jpg", RandomBytes(300000, 1));
      side->Write("from\\d\\a.txt", "a");
      side->Write("from\\d\\b.bin", RandomBytes(70000, 2));
    }
  }
};

std::size_t ItemsIn(const std::wstring& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

FileOperationOutcome RunChecked(void* shell, FileOperation operation, const std::string& source, const std::string& target,
                         std::uint32_t flags = 0x14) {
  FileOperationOutcome outcome;
  RunFileOperation({.shell_entry = shell,
                    .operation = operation,
                    .source = source,
                    .target_folder = target,
                    .flags = flags,
                    .check_copy = true,
                    .outcome = &outcome});
  return outcome;
}

TEST(CheckedCopy, a_copy_that_differs_from_its_source_is_removed_and_its_source_stays) {
  const struct {
    const char* what;
    FileOperation operation;
    const char* item;
    std::uint32_t flags;
  } cases[] = {{"copy a file", FileOperation::kCopy, "x.jpg", 0x14},
               {"copy a folder", FileOperation::kCopy, "d", 0x1C},
               {"move a file to another volume", FileOperation::kMove, "x.jpg", 0x1C},
               {"move a folder to another volume", FileOperation::kMove, "d", 0x14}};
  for (const auto& c : cases) {
    Room room;
    const std::string inside = c.item == std::string("d") ? "\\b.bin" : "";
    const std::string before = room.other_volume.Read(std::string("from\\") + c.item + inside);
    const FileOperationOutcome outcome = RunChecked(reinterpret_cast<void*>(ShellThatDamagesCopies), c.operation,
                                             room.other_volume.Path(std::string("from\\") + c.item), room.here.Path("to"),
                                             c.flags);
    EXPECT_FALSE(outcome.done) << c.what;
    EXPECT_EQ(outcome.failure, FileOperationFailure::kCopyDiffers) << c.what;
    EXPECT_EQ(ItemsIn(room.here.WidePath("to")), 0u) << c.what << ": neither the bad copy nor a staging folder";
    EXPECT_EQ(room.other_volume.Read(std::string("from\\") + c.item + inside), before) << c.what;
  }
}

TEST(CheckedCopy, a_move_within_a_volume_stays_a_rename_and_one_to_another_volume_arrives_checked) {
  Room room;
  const std::wstring source = room.here.WidePath("from\\x.jpg");
  BY_HANDLE_FILE_INFORMATION before{};
  HANDLE file = CreateFileW(source.c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileInformationByHandle(file, &before);
  CloseHandle(file);

  const FileOperationOutcome renamed = RunChecked(reinterpret_cast<void*>(ShellThatDamagesCopies), FileOperation::kMove,
                                           room.here.Path("from\\x.jpg"), room.here.Path("to"));
  ASSERT_TRUE(renamed.done) << "nothing was copied, so nothing could be damaged";
  BY_HANDLE_FILE_INFORMATION after{};
  file = CreateFileW(room.here.WidePath("to\\x.jpg").c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileInformationByHandle(file, &after);
  CloseHandle(file);
  EXPECT_EQ(after.nFileIndexLow, before.nFileIndexLow) << "the same file, renamed";
  EXPECT_EQ(after.nFileIndexHigh, before.nFileIndexHigh);
  EXPECT_TRUE(renamed.checked.empty());

  const FileOperationOutcome moved = RunChecked(reinterpret_cast<void*>(SHFileOperationW), FileOperation::kMove,
                                         room.other_volume.Path("from\\d"), room.here.Path("to"));
  ASSERT_TRUE(moved.done);
  EXPECT_EQ(room.other_volume.Read("from\\d\\a.txt"), "<missing>") << "the source goes once its copy is checked";
  ASSERT_EQ(moved.checked.size(), 2u);
  for (const CheckedFile& checked : moved.checked) {
    const std::string placed = moved.landed_at + "\\" + checked.relative;
    EXPECT_EQ(HexOf(checked.sha256), testing::UnixSha256(placed, room.here.Path("sum"))) << placed;
    EXPECT_EQ(checked.size, std::filesystem::file_size(Wide(placed))) << placed;
  }
}

TEST(CheckedCopy, a_source_changed_after_it_was_hashed_gives_no_promise_even_when_the_bytes_agree) {
  TemporaryFolder room;
  room.Write("source.txt", "same");
  room.Write("copy.txt", "same");
  const std::atomic<bool> go_on = false;
  const auto digests = DigestSource(room.WidePath("source.txt"), go_on);
  ASSERT_TRUE(digests.has_value());
  EXPECT_EQ(CompareCopy(room.WidePath("source.txt"), room.WidePath("copy.txt"), *digests).result, CopyComparison::kSame);
  HANDLE file = CreateFileW(room.WidePath("source.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  const FILETIME later{0x12345678, 0x01D00000};
  SetFileTime(file, nullptr, nullptr, &later);
  CloseHandle(file);
  EXPECT_EQ(CompareCopy(room.WidePath("source.txt"), room.WidePath("copy.txt"), *digests).result,
            CopyComparison::kUnreadable);
}

// Three files of 1 MB onto a volume of 2.5 MB: the third cannot fit.
TEST(CheckedCopy, a_copy_cut_short_by_a_full_volume_is_removed_and_says_so) {
  TemporaryFolder room;
  room.MakeFolder("small");
  if (!testing::MountSmallVolume(room.Path("small"), 2560)) GTEST_SKIP() << "this process may not mount a volume";
  for (const char* name : {"1.jpg", "2.jpg", "3.jpg", "4.jpg"}) room.Write(name, RandomBytes(1 << 20, name[0]));
  void* const shell = reinterpret_cast<void*>(SHFileOperationW);
  EXPECT_TRUE(RunChecked(shell, FileOperation::kCopy, room.Path("1.jpg"), room.Path("small")).done);
  EXPECT_TRUE(RunChecked(shell, FileOperation::kCopy, room.Path("2.jpg"), room.Path("small")).done);
  const FileOperationOutcome copied = RunChecked(shell, FileOperation::kCopy, room.Path("3.jpg"), room.Path("small"));
  const FileOperationOutcome moved = RunChecked(shell, FileOperation::kMove, room.Path("4.jpg"), room.Path("small"));
  const std::size_t left = ItemsIn(room.WidePath("small"));
  const bool unmounted = testing::UnmountVolume(room.Path("small"));
  EXPECT_EQ(copied.failure, FileOperationFailure::kTargetFull);
  EXPECT_EQ(moved.failure, FileOperationFailure::kTargetFull);
  EXPECT_EQ(left, 3u) << "the two whole copies and the volume's marker, nothing cut short";
  EXPECT_EQ(room.Read("4.jpg").size(), 1u << 20) << "the moved file's source stays";
  EXPECT_TRUE(unmounted);
}

}  // namespace
}  // namespace vorlix::platform
