#include <gtest/gtest.h>

#include <cmath>

#include "runtime/commands/conversion_commands.h"
#include "runtime/commands/fullwidth_folding.h"

namespace vorlix::commands {
namespace {

constexpr std::int32_t kLargest = 2147483647;
constexpr std::int32_t kSmallest = -2147483647 - 1;

TEST(ToIntegerOfText, reads_a_decimal_number_after_white_space_and_a_sign) {
  EXPECT_EQ(ToInteger("42"), 42);
  EXPECT_EQ(ToInteger("  -42abc"), -42);
  EXPECT_EQ(ToInteger("\t+7"), 7);
  EXPECT_EQ(ToInteger("007"), 7);
}

TEST(ToIntegerOfText, gives_zero_without_digits) {
  EXPECT_EQ(ToInteger("abc"), 0);
  EXPECT_EQ(ToInteger(""), 0);
  EXPECT_EQ(ToInteger("-"), 0);
  EXPECT_EQ(ToInteger("x12"), 0);
}

TEST(ToIntegerOfText, holds_numbers_beyond_the_range_at_its_ends) {
  EXPECT_EQ(ToInteger("2147483647"), kLargest);
  EXPECT_EQ(ToInteger("99999999999999999999"), kLargest);
  EXPECT_EQ(ToInteger("-2147483648"), kSmallest);
  EXPECT_EQ(ToInteger("-99999999999"), kSmallest);
}

TEST(ToIntegerOfText, reads_full_width_digits_and_signs) {
  EXPECT_EQ(ToInteger("\xA3\xB1\xA3\xB2\xA3\xB3"), 123);
  EXPECT_EQ(ToInteger("\xA3\xAD" "5"), -5);
  EXPECT_EQ(ToInteger("\xA1\xA1" "9"), 9) << "a full-width space is white space";
}

TEST(FullWidthFolding, turns_the_full_width_ascii_forms_into_ascii) {
  EXPECT_EQ(FoldFullWidth("\xA3\xA1"), "!");
  EXPECT_EQ(FoldFullWidth("\xA3\xC1\xA3\xFE"), "A~");
  EXPECT_EQ(FoldFullWidth("\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF"), " ~**");
}

TEST(FullWidthFolding, keeps_every_other_character) {
  EXPECT_EQ(FoldFullWidth("\xD6\xD0" "a\xA3\xA0\xA1\xA2"), "\xD6\xD0" "a\xA3\xA0\xA1\xA2");
  // The 0xA3 0xB1 here straddles two characters and is no full-width 1.
  EXPECT_EQ(FoldFullWidth("\xB0\xA3\xB1\xB1"), "\xB0\xA3\xB1\xB1");
}

TEST(ToIntegerOfTruth, gives_zero_or_one) {
  EXPECT_EQ(ToInteger(true), 1);
  EXPECT_EQ(ToInteger(false), 0);
}

TEST(ToIntegerOfNumbers, integers_keep_their_value) {
  EXPECT_EQ(ToInteger(std::uint8_t{255}), 255);
  EXPECT_EQ(ToInteger(std::int16_t{-3}), -3);
  EXPECT_EQ(ToInteger(std::int32_t{-70000}), -70000);
}

TEST(ToIntegerOfNumbers, a_long_integer_gives_its_low_32_bits) {
  EXPECT_EQ(ToInteger(std::int64_t{0x100000005}), 5);
  EXPECT_EQ(ToInteger(std::int64_t{0xFFFFFFFF}), -1);
}

TEST(ToIntegerOfNumbers, floats_are_truncated_toward_zero) {
  EXPECT_EQ(ToInteger(3.9), 3);
  EXPECT_EQ(ToInteger(-3.9), -3);
  EXPECT_EQ(ToInteger(2.5f), 2);
}

TEST(ToIntegerOfNumbers, floats_beyond_the_range_are_held_at_its_ends) {
  EXPECT_EQ(ToInteger(1e20), kLargest);
  EXPECT_EQ(ToInteger(-1e20), kSmallest);
  EXPECT_EQ(ToInteger(2147483647.9), kLargest);
  EXPECT_EQ(ToInteger(std::nan("")), 0);
}

TEST(ToIntegerOfOtherTypes, a_subroutine_gives_its_address) {
  EXPECT_EQ(ToInteger(core::SubroutineAddress{0x401000}), 0x401000);
}

TEST(ToIntegerOfOtherTypes, date_times_units_and_byte_sets_give_zero) {
  EXPECT_EQ(ToInteger(core::DateTime(45296)), 0);
  EXPECT_EQ(ToInteger(core::UnitReference{1, 2, core::type_codes::kButton}), 0);
  EXPECT_EQ(ToInteger(core::ByteSet{'1'}), 0);
  EXPECT_EQ(ToInteger(core::Value()), 0);
}

}  // namespace
}  // namespace vorlix::commands
