#include "runtime/commands/text_transform.h"

#include <gtest/gtest.h>

namespace vorlix::commands {
namespace {

TEST(ToLower, makes_only_the_ascii_capitals_small) {
  EXPECT_EQ(ToLower("ABC xyz 123 [@Z]"), "abc xyz 123 [@z]");
  EXPECT_EQ(ToLower(""), "");
}

TEST(ToLower, leaves_double_byte_characters_alone_even_when_a_byte_looks_like_a_capital) {
  EXPECT_EQ(ToLower("\x81\x41" "A\xD6\xD0"), "\x81\x41" "a\xD6\xD0");
}

TEST(ToLower, keeps_a_lead_byte_at_the_end) { EXPECT_EQ(ToLower("A\xD6"), "a\xD6"); }

TEST(RemoveAllSpaces, removes_ascii_and_full_width_spaces_only) {
  EXPECT_EQ(RemoveAllSpaces(" a b\tc\r\n "), "ab\tc\r\n");
  EXPECT_EQ(RemoveAllSpaces("\xA1\xA1" "a" "\xA1\xA1"), "a");
}

TEST(RemoveAllSpaces, sees_a_full_width_space_only_on_character_boundaries) {
  // 0xB0 0xA1 and 0xA1 0xB0 are characters; the 0xA1 0xA1 between them is not one.
  EXPECT_EQ(RemoveAllSpaces("\xB0\xA1\xA1\xB0"), "\xB0\xA1\xA1\xB0");
}

TEST(RemoveAllSpaces, drops_a_lead_byte_at_the_end) { EXPECT_EQ(RemoveAllSpaces("a b\xD6"), "ab"); }

}  // namespace
}  // namespace vorlix::commands
