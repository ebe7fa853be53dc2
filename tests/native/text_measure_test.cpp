#include "runtime/commands/text_measure.h"

#include <gtest/gtest.h>

namespace vorlix::commands {
namespace {

// 中 in GBK.
constexpr std::string_view kZhong = "\xD6\xD0";

TEST(TextLength, counts_bytes_so_a_chinese_character_counts_two) {
  EXPECT_EQ(TextLength(std::string(kZhong) + "a"), 3);
  EXPECT_EQ(TextLength(""), 0);
}

TEST(TextLeft, gives_the_first_bytes_or_the_whole_shorter_text) {
  EXPECT_EQ(TextLeft("abc", 2), "ab");
  EXPECT_EQ(TextLeft("abc", 5), "abc");
}

TEST(TextLeft, gives_nothing_for_a_count_of_zero_or_less) {
  EXPECT_EQ(TextLeft("abc", 0), "");
  EXPECT_EQ(TextLeft("abc", -3), "");
}

TEST(TextLeft, may_cut_a_double_byte_character) { EXPECT_EQ(TextLeft(kZhong, 1), "\xD6"); }

TEST(TextRight, gives_the_last_bytes_or_the_whole_shorter_text) {
  EXPECT_EQ(TextRight("abc", 2), "bc");
  EXPECT_EQ(TextRight("abc", 5), "abc");
}

TEST(TextRight, gives_nothing_for_a_count_of_zero_or_less) {
  EXPECT_EQ(TextRight("abc", -1), "");
  EXPECT_EQ(TextRight("abc", 0), "");
}

TEST(TextRight, may_cut_a_double_byte_character) { EXPECT_EQ(TextRight(kZhong, 1), "\xD0"); }

TEST(SpaceText, gives_that_many_ascii_spaces) {
  EXPECT_EQ(SpaceText(3), "   ");
  EXPECT_EQ(SpaceText(254).size(), 254u);
}

TEST(SpaceText, gives_nothing_below_one) {
  EXPECT_EQ(SpaceText(0), "");
  EXPECT_EQ(SpaceText(-5), "");
}

}  // namespace
}  // namespace vorlix::commands
