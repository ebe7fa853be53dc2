#include <gtest/gtest.h>

#include "runtime/commands/conversion_commands.h"

namespace vorlix::commands {
namespace {

using core::ByteSet;
using core::Value;

TEST(ToByteSetOfNumbers, gives_the_little_endian_bytes_of_the_value) {
  EXPECT_EQ(ToByteSet(std::uint8_t{0xAB}), (ByteSet{0xAB}));
  EXPECT_EQ(ToByteSet(std::int16_t{0x1234}), (ByteSet{0x34, 0x12}));
  EXPECT_EQ(ToByteSet(std::int32_t{-2}), (ByteSet{0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(ToByteSet(std::int64_t{1}), (ByteSet{1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ToByteSet(1.0f), (ByteSet{0, 0, 0x80, 0x3F}));
  EXPECT_EQ(ToByteSet(1.0), (ByteSet{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
}

TEST(ToByteSetOfOtherFixedSizes, truth_date_time_and_subroutine) {
  EXPECT_EQ(ToByteSet(true), (ByteSet{1, 0, 0, 0}));
  EXPECT_EQ(ToByteSet(false), (ByteSet{0, 0, 0, 0}));
  EXPECT_EQ(ToByteSet(core::DateTime(1)), ToByteSet(1.0));
  EXPECT_EQ(ToByteSet(core::DateTime(3'000'000)), ToByteSet(2'958'465.0)) << "stored clamped";
  EXPECT_EQ(ToByteSet(core::SubroutineAddress{0x401000}), (ByteSet{0x00, 0x10, 0x40, 0x00}));
}

TEST(ToByteSetOfText, gives_the_bytes_without_a_terminator) {
  EXPECT_EQ(ToByteSet("a\xD6\xD0"), (ByteSet{'a', 0xD6, 0xD0}));
  EXPECT_TRUE(ToByteSet("").empty());
}

TEST(ToByteSetOfByteSet, gives_a_copy) {
  EXPECT_EQ(ToByteSet(ByteSet{0, 1, 0}), (ByteSet{0, 1, 0}));
}

TEST(ToByteSetOfArray, an_array_of_numbers_gives_every_element_in_turn) {
  const core::Array shorts(core::type_codes::kShort, {Value(std::int16_t{1}), Value(std::int16_t{0x0302})});
  EXPECT_EQ(ToByteSet(shorts), (ByteSet{1, 0, 2, 3}));
  EXPECT_TRUE(ToByteSet(core::Array(core::type_codes::kInteger, {})).empty());
}

TEST(ToByteSetOfArray, an_array_of_anything_else_gives_nothing) {
  EXPECT_TRUE(ToByteSet(core::Array::OfTexts({"a"})).empty());
  EXPECT_TRUE(ToByteSet(core::Array(core::type_codes::kBool, {Value(true)})).empty());
}

TEST(ToByteSetOfOtherTypes, units_and_values_not_given_give_nothing) {
  EXPECT_TRUE(ToByteSet(core::UnitReference{1, 2, core::type_codes::kButton}).empty());
  EXPECT_TRUE(ToByteSet(Value()).empty());
}

TEST(ByteSetLength, counts_the_bytes) {
  EXPECT_EQ(ByteSetLength(ByteSet{}), 0);
  EXPECT_EQ(ByteSetLength(ByteSet{0, 0, 0}), 3);
}

}  // namespace
}  // namespace vorlix::commands
