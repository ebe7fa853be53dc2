#include "runtime/commands/arithmetic_commands.h"

#include <gtest/gtest.h>

#include "native/fatal_error_capture.h"
#include "texts.h"

namespace vorlix::commands {
namespace {

TEST(IntegerDivide, keeps_the_integer_part_toward_zero) {
  EXPECT_EQ(IntegerDivide({7, 2}), 3);
  EXPECT_EQ(IntegerDivide({-7, 2}), -3);
  EXPECT_EQ(IntegerDivide({6, 3}), 2);
}

TEST(IntegerDivide, truncates_after_each_division_from_left_to_right) {
  EXPECT_EQ(IntegerDivide({7, 2, 0.5}), 6) << "7 / 2 keeps 3, then 3 / 0.5";
}

TEST(IntegerDivide, a_zero_divisor_is_a_fatal_error_with_its_message) {
  const auto raised = test::FatalErrorOf([] { IntegerDivide({5, 1, 0}); });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->code, 0);
  EXPECT_EQ(raised->text, texts::kCannotDivideByZero);
}

TEST(Remainder, has_the_sign_of_the_dividend) {
  EXPECT_EQ(Remainder({-7, 3}), -1);
  EXPECT_EQ(Remainder({7, -3}), 1);
  EXPECT_EQ(Remainder({7.5, 2}), 1.5);
}

TEST(Remainder, applies_each_divisor_in_turn) { EXPECT_EQ(Remainder({17, 10, 4}), 3); }

TEST(Remainder, a_zero_divisor_is_a_fatal_error_with_its_message) {
  const auto raised = test::FatalErrorOf([] { Remainder({5, 0}); });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->code, 0);
  EXPECT_EQ(raised->text, texts::kCannotTakeRemainderOfZero);
}

TEST(BitOr, combines_every_operand) {
  EXPECT_EQ(BitOr({0x40, 0x10}), 0x50);
  EXPECT_EQ(BitOr({1, 2, 4, 1}), 7);
  EXPECT_EQ(BitOr({-2, 1}), -1);
}

TEST(Absolute, drops_the_sign) {
  EXPECT_EQ(Absolute(-2.5), 2.5);
  EXPECT_EQ(Absolute(3), 3);
}

}  // namespace
}  // namespace vorlix::commands
