#include "runtime/core/program/program_location.h"

#include <gtest/gtest.h>

namespace vorlix::core {
namespace {

TEST(ProgramLocation, the_directory_is_everything_before_the_last_backslash) {
  ProgramLocation location = SplitProgramPath("C:\\tools\\vorlix\\vorlix.exe");
  EXPECT_EQ(location.directory, "C:\\tools\\vorlix");
  EXPECT_EQ(location.file_name, "vorlix.exe");
}

TEST(ProgramLocation, a_program_at_a_drive_root_gives_the_drive_without_backslash) {
  EXPECT_EQ(SplitProgramPath("C:\\vorlix.exe").directory, "C:");
}

TEST(ProgramLocation, a_path_without_backslash_gives_an_empty_directory) {
  ProgramLocation location = SplitProgramPath("vorlix.exe");
  EXPECT_EQ(location.directory, "");
  EXPECT_EQ(location.file_name, "vorlix.exe");
}

TEST(ProgramLocation, a_backslash_inside_a_double_byte_character_is_no_separator) {
  // 0x81 0x5C is one GBK character whose second byte is a backslash.
  ProgramLocation location = SplitProgramPath("D:\\a\\\x81\x5C.exe");
  EXPECT_EQ(location.directory, "D:\\a");
  EXPECT_EQ(location.file_name, "\x81\x5C.exe");
}

}  // namespace
}  // namespace vorlix::core
