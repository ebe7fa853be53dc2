#include "runtime/commands/text_search.h"

#include <gtest/gtest.h>

namespace vorlix::commands {
namespace {

TEST(FindText, gives_the_1_based_position_of_the_first_match) {
  EXPECT_EQ(FindText("abcabc", "bc"), 2);
  EXPECT_EQ(FindText("abc", "abcd"), -1);
  EXPECT_EQ(FindText("abc", "x"), -1);
}

TEST(FindText, starts_at_the_given_position_but_counts_from_the_text_start) {
  EXPECT_EQ(FindText("abcabc", "bc", 3), 5);
  EXPECT_EQ(FindText("abcabc", "bc", 2), 2);
}

TEST(FindText, a_start_of_one_or_less_searches_everything) {
  EXPECT_EQ(FindText("abc", "a", 0), 1);
  EXPECT_EQ(FindText("abc", "a", -7), 1);
}

TEST(FindText, a_start_past_the_end_finds_nothing) {
  EXPECT_EQ(FindText("abc", "c", 4), -1);
  EXPECT_EQ(FindText("abc", "c", 1000), -1);
}

TEST(FindText, an_empty_sought_text_gives_1_when_anything_is_searched) {
  EXPECT_EQ(FindText("abc", "", 2), 1);
  EXPECT_EQ(FindText("", ""), -1);
  EXPECT_EQ(FindText("abc", "", 4), -1);
}

TEST(FindText, ignores_ascii_case_only_when_asked) {
  EXPECT_EQ(FindText("aXbx", "x", std::nullopt, true), 2);
  EXPECT_EQ(FindText("aXbx", "x", std::nullopt, false), 4);
  EXPECT_EQ(FindText("aXbx", "x"), 4);
}

TEST(FindText, never_matches_the_second_byte_of_a_double_byte_character) {
  EXPECT_EQ(FindText("\xD6\xD0x", "\xD0"), -1);
  EXPECT_EQ(FindText("\xD6\xD0x", "x"), 3);
  // 0x5C, the backslash, is a common trail byte.
  EXPECT_EQ(FindText("\x95\x5C" "a\\", "\\"), 4);
}

TEST(FindText, ignoring_case_never_changes_a_double_byte_character) {
  // 0x81 0x41 and 0x81 0x61 are two different characters whose trail bytes
  // look like "A" and "a".
  EXPECT_EQ(FindText("\x81\x61", "\x81\x41", std::nullopt, true), -1);
  EXPECT_EQ(FindText("\x81\x41" "ABC", "\x81\x41" "abc", std::nullopt, true), 1);
}

TEST(FindText, a_lead_byte_at_the_very_end_ends_the_walk) {
  EXPECT_EQ(FindText("ab\xD6", "b"), 2);
  EXPECT_EQ(FindText("ab\xD6", "\xD6" "x"), -1);
}

TEST(FindTextReverse, gives_the_position_of_the_last_match) {
  EXPECT_EQ(FindTextReverse("a\\b\\c", "\\"), 4);
  EXPECT_EQ(FindTextReverse("archive.tar.gz", "."), 12);
  EXPECT_EQ(FindTextReverse("abc", "x"), -1);
}

TEST(FindTextReverse, with_a_start_the_match_lies_wholly_in_the_bytes_before_it) {
  EXPECT_EQ(FindTextReverse("a\\b\\c", "\\", 4), 2);
  EXPECT_EQ(FindTextReverse("abcabc", "bc", 5), 2) << "bc at 5 reaches past byte 4";
  EXPECT_EQ(FindTextReverse("abcabc", "bc", 6), 2);
  EXPECT_EQ(FindTextReverse("abcabc", "bc", 7), 5);
  EXPECT_EQ(FindTextReverse("abc", "c", 100), 3);
}

TEST(FindTextReverse, a_start_of_one_or_less_searches_nothing) {
  EXPECT_EQ(FindTextReverse("abc", "a", 1), -1);
  EXPECT_EQ(FindTextReverse("abc", "a", 0), -1);
  EXPECT_EQ(FindTextReverse("abc", "", 1), -1);
}

TEST(FindTextReverse, an_empty_sought_text_gives_1_when_anything_is_searched) {
  EXPECT_EQ(FindTextReverse("abc", ""), 1);
  EXPECT_EQ(FindTextReverse("abc", "", 2), 1);
  EXPECT_EQ(FindTextReverse("", ""), -1);
}

TEST(FindTextReverse, never_matches_the_second_byte_of_a_double_byte_character) {
  EXPECT_EQ(FindTextReverse("x\xD6\xD0", "\xD0"), -1);
  EXPECT_EQ(FindTextReverse("C:\\\x95\x5C", "\\"), 3);
}

TEST(FindTextReverse, ignores_ascii_case_only_when_asked) {
  EXPECT_EQ(FindTextReverse("xaXb", "x", std::nullopt, true), 3);
  EXPECT_EQ(FindTextReverse("xaXb", "x"), 1);
}

}  // namespace
}  // namespace vorlix::commands
