#include "runtime/commands/text_split.h"

#include <gtest/gtest.h>

namespace vorlix::commands {
namespace {

using Pieces = std::vector<core::Text>;

TEST(SplitText, a_trailing_delimiter_gives_no_empty_last_piece) {
  EXPECT_EQ(SplitText("a\r\nb\r\n", "\r\n"), (Pieces{"a", "b"}));
}

TEST(SplitText, empty_pieces_at_the_start_and_in_the_middle_are_kept) {
  EXPECT_EQ(SplitText("\r\na", "\r\n"), (Pieces{"", "a"}));
  EXPECT_EQ(SplitText("a,,b,"), (Pieces{"a", "", "b"}));
  EXPECT_EQ(SplitText(","), (Pieces{""}));
}

TEST(SplitText, splits_at_commas_when_no_delimiter_is_given) {
  EXPECT_EQ(SplitText("a,b,c"), (Pieces{"a", "b", "c"}));
  EXPECT_EQ(SplitText("a;b"), (Pieces{"a;b"}));
}

TEST(SplitText, stops_at_the_maximum_and_drops_the_rest) {
  EXPECT_EQ(SplitText("a,b,c", std::nullopt, 2), (Pieces{"a", "b"}));
  EXPECT_EQ(SplitText("a,b,c,d", ",", 3), (Pieces{"a", "b", "c"}));
  EXPECT_EQ(SplitText("a,b", ",", 1), (Pieces{"a"}));
}

TEST(SplitText, a_maximum_above_the_piece_count_changes_nothing) {
  EXPECT_EQ(SplitText("a,b", ",", 5), (Pieces{"a", "b"}));
}

TEST(SplitText, a_maximum_of_zero_or_less_gives_no_pieces) {
  EXPECT_TRUE(SplitText("a,b", ",", 0).empty());
  EXPECT_TRUE(SplitText("a,b", ",", -1).empty());
}

TEST(SplitText, an_empty_text_gives_no_pieces) {
  EXPECT_TRUE(SplitText("").empty());
  EXPECT_TRUE(SplitText("", "").empty());
}

TEST(SplitText, an_empty_delimiter_gives_the_whole_text) { EXPECT_EQ(SplitText("a,b", ""), (Pieces{"a,b"})); }

TEST(SplitText, never_splits_inside_a_double_byte_character) {
  // 0x7C ("|") and 0x5C ("\") also serve as trail bytes.
  EXPECT_EQ(SplitText("a\x81|b|c", "|"), (Pieces{"a\x81|b", "c"}));
  EXPECT_EQ(SplitText("C:\\\x95\\x", "\\"), (Pieces{"C:", "\x95\\x"}));
}

TEST(SplitText, a_lead_byte_at_the_end_stays_in_the_last_piece) {
  EXPECT_EQ(SplitText("a,b\xD6"), (Pieces{"a", "b\xD6"}));
}

}  // namespace
}  // namespace vorlix::commands
