#include "runtime/commands/text_compare.h"

#include <gtest/gtest.h>

namespace vorlix::commands {
namespace {

TEST(CompareText, equal_texts_compare_as_zero) {
  EXPECT_EQ(CompareText("abc", "abc", true), 0);
  EXPECT_EQ(CompareText("", "", false), 0);
}

TEST(CompareText, a_prefix_sorts_first) {
  EXPECT_LT(CompareText("ab", "abc", true), 0);
  EXPECT_GT(CompareText("abc", "", true), 0);
}

TEST(CompareText, case_sensitive_puts_capitals_before_small_letters) {
  EXPECT_LT(CompareText("B", "a", true), 0);
  EXPECT_NE(CompareText("a", "A", true), 0);
}

TEST(CompareText, without_case_ascii_letters_match_either_case) {
  EXPECT_EQ(CompareText("ReadMe.TXT", "readme.txt", false), 0);
  EXPECT_GT(CompareText("B", "a", false), 0);
}

TEST(CompareText, without_case_letters_compare_as_small_letters) {
  EXPECT_LT(CompareText("_", "a", false), 0);
  EXPECT_LT(CompareText("_", "A", false), 0);
}

TEST(CompareText, double_byte_characters_sort_by_unsigned_bytes_after_ascii) {
  EXPECT_GT(CompareText("\xD6\xD0", "z", true), 0);
  EXPECT_LT(CompareText("\xB0\xA1", "\xD6\xD0", false), 0);
}

TEST(CompareText, without_case_a_trail_byte_is_never_folded) {
  EXPECT_NE(CompareText("\x81\x41", "\x81\x61", false), 0);
  EXPECT_LT(CompareText("\x81\x41", "\x81\x61", false), 0);
}

}  // namespace
}  // namespace vorlix::commands
