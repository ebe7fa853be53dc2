#include <gtest/gtest.h>

#include <string>

#include "platform/whole_file.h"
#include "runtime/commands/file_commands.h"
#include "temporary_folder.h"

namespace vorlix::commands {
namespace {

ByteSetView Bytes(std::string_view text) { return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}; }

std::string AsString(const core::ByteSet& bytes) { return std::string(bytes.begin(), bytes.end()); }

class WholeFileTest : public ::testing::Test {
 protected:
  vorlix::testing::TemporaryFolder folder_;
  std::string file_ = folder_.Path("data.bin");
  std::wstring wide_file_ = folder_.WidePath("data.bin");
};

TEST_F(WholeFileTest, reading_gives_every_byte_unchanged) {
  std::string content("a\r\nb\0c\n\xD5\xE6", 9);
  folder_.Write("data.bin", content);
  EXPECT_EQ(AsString(ReadFile(file_)), content);
}

TEST_F(WholeFileTest, a_missing_or_empty_file_or_path_reads_as_empty) {
  EXPECT_TRUE(ReadFile(file_).empty());
  folder_.Write("data.bin", "");
  EXPECT_TRUE(ReadFile(file_).empty());
  EXPECT_TRUE(ReadFile("").empty());
}

TEST_F(WholeFileTest, a_file_held_without_sharing_reads_as_empty) {
  folder_.Write("data.bin", "abc");
  vorlix::testing::OpenedElsewhere holder(wide_file_, GENERIC_READ, 0);
  ASSERT_TRUE(holder.IsOpen());
  EXPECT_TRUE(ReadFile(file_).empty());
}

TEST_F(WholeFileTest, a_file_another_program_is_writing_reads_as_empty) {
  folder_.Write("data.bin", "abc");
  vorlix::testing::OpenedElsewhere writer(wide_file_, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(writer.IsOpen());
  EXPECT_TRUE(ReadFile(file_).empty());
}

TEST_F(WholeFileTest, a_file_other_programs_only_read_can_be_read) {
  folder_.Write("data.bin", "abc");
  vorlix::testing::OpenedElsewhere reader(wide_file_, GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(reader.IsOpen());
  EXPECT_EQ(AsString(ReadFile(file_)), "abc");
}

TEST_F(WholeFileTest, writing_two_byte_sets_puts_them_back_to_back) {
  ASSERT_TRUE(WriteFile(file_, {Bytes("ab"), Bytes("\r\ncd")}));
  EXPECT_EQ(folder_.Read("data.bin"), "ab\r\ncd");
}

TEST_F(WholeFileTest, writing_cuts_a_longer_file_and_only_a_path_empties_it) {
  folder_.Write("data.bin", "a long old content");
  ASSERT_TRUE(WriteFile(file_, {Bytes("new")}));
  EXPECT_EQ(folder_.Read("data.bin"), "new");
  ASSERT_TRUE(WriteFile(file_));
  EXPECT_EQ(folder_.Read("data.bin"), "");
}

TEST_F(WholeFileTest, writing_with_only_a_path_creates_an_empty_file) {
  ASSERT_TRUE(WriteFile(file_, {Bytes("")}));
  EXPECT_EQ(folder_.Read("data.bin"), "");
}

TEST_F(WholeFileTest, writing_a_chinese_file_name_creates_that_name) {
  std::string name = "\xB2\xE2\xCA\xD4.txt";
  ASSERT_TRUE(WriteFile(folder_.Path(name), {Bytes("x")}));
  EXPECT_EQ(folder_.Read(name), "x");
}

TEST_F(WholeFileTest, replacing_gives_the_whole_new_content_or_keeps_the_old_and_leaves_nothing_beside) {
  folder_.Write("data.bin", "a long old content");
  ASSERT_TRUE(ReplaceFileContent(file_, Bytes("new")));
  EXPECT_EQ(folder_.Read("data.bin"), "new");
  {
    vorlix::testing::OpenedElsewhere reader(wide_file_, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_FALSE(ReplaceFileContent(file_, Bytes("refused")));
  }
  EXPECT_EQ(folder_.Read("data.bin"), "new");
  EXPECT_EQ(folder_.EntryCount(), 1u);
  EXPECT_FALSE(ReplaceFileContent("", Bytes("x")));
}

// What is too big to hold goes in pieces; it counts only once committed.
TEST_F(WholeFileTest, a_replacement_in_pieces_takes_the_place_at_commit_and_dropped_leaves_the_old_file_alone) {
  folder_.Write("data.bin", "old");
  {
    platform::FileReplacement dropped(file_);
    ASSERT_TRUE(dropped.Write(Bytes("never")));
    EXPECT_EQ(folder_.EntryCount(), 2u) << "the new content waits beside the old";
  }
  EXPECT_EQ(folder_.Read("data.bin"), "old");
  EXPECT_EQ(folder_.EntryCount(), 1u);
  platform::FileReplacement pieces(file_);
  ASSERT_TRUE(pieces.Write(Bytes("a\r\n")) && pieces.Write(Bytes("")) && pieces.Write(Bytes("b")));
  EXPECT_EQ(folder_.Read("data.bin"), "old");
  ASSERT_TRUE(pieces.Commit());
  EXPECT_EQ(folder_.Read("data.bin"), "a\r\nb");
  EXPECT_EQ(folder_.EntryCount(), 1u);
  EXPECT_FALSE(platform::FileReplacement(folder_.Path("none\\data.bin")).Write(Bytes("x")));
}

TEST_F(WholeFileTest, writing_fails_for_an_empty_path_a_missing_folder_or_a_file_in_use) {
  EXPECT_FALSE(WriteFile("", {Bytes("x")}));
  EXPECT_FALSE(WriteFile(folder_.Path("none\\data.bin"), {Bytes("x")}));
  folder_.Write("data.bin", "kept");
  {
    vorlix::testing::OpenedElsewhere reader(wide_file_, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_FALSE(WriteFile(file_, {Bytes("x")})) << "writing needs the file to itself";
  }
  EXPECT_EQ(folder_.Read("data.bin"), "kept");
}

}  // namespace
}  // namespace vorlix::commands
