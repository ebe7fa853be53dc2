#include <gtest/gtest.h>

#include <string>

#include "runtime/commands/conversion_commands.h"
#include "texts.h"

namespace vorlix::commands {
namespace {

using core::Value;

// The GBK date and time words.
const std::string kYear = "\xC4\xEA";
const std::string kMonth = "\xD4\xC2";
const std::string kDay = "\xC8\xD5";
const std::string kHour = "\xCA\xB1";
const std::string kMinute = "\xB7\xD6";
const std::string kSecond = "\xC3\xEB";

constexpr double k2024January5 = 45296;

TEST(ToTextOfNumbers, integers_are_plain_decimals) {
  EXPECT_EQ(ToText(std::uint8_t{200}), "200");
  EXPECT_EQ(ToText(std::int16_t{-5}), "-5");
  EXPECT_EQ(ToText(std::int32_t{-2147483647 - 1}), "-2147483648");
  EXPECT_EQ(ToText(std::int64_t{1} << 40), "1099511627776");
}

TEST(ToTextOfNumbers, a_double_has_thirteen_significant_digits) {
  EXPECT_EQ(ToText(12.0), "12");
  EXPECT_EQ(ToText(3.0), "3");
  EXPECT_EQ(ToText(0.1), "0.1");
  EXPECT_EQ(ToText(1.0 / 3), "0.3333333333333");
  EXPECT_EQ(ToText(-2.5), "-2.5");
  EXPECT_EQ(ToText(1e20), "1e+20");
}

TEST(ToTextOfNumbers, a_float_has_six_significant_digits) {
  EXPECT_EQ(ToText(0.1f), "0.1");
  EXPECT_EQ(ToText(1234567.0f), "1.23457e+06");
}

TEST(ToTextOfTruth, gives_the_true_and_false_words) {
  EXPECT_EQ(ToText(true), texts::kTrue);
  EXPECT_EQ(ToText(false), texts::kFalse);
}

TEST(ToTextOfDateTime, midnight_gives_the_date_alone) {
  EXPECT_EQ(ToText(core::DateTime(k2024January5)), "2024" + kYear + "1" + kMonth + "5" + kDay);
}

TEST(ToTextOfDateTime, the_time_goes_down_to_its_last_non_zero_part) {
  const std::string date = "2024" + kYear + "1" + kMonth + "5" + kDay;
  EXPECT_EQ(ToText(core::DateTime(k2024January5 + 8.0 / 24)), date + "8" + kHour);
  EXPECT_EQ(ToText(core::DateTime(k2024January5 + 8.5 / 24)), date + "8" + kHour + "30" + kMinute);
  EXPECT_EQ(ToText(core::DateTime(k2024January5 + (8 * 3600 + 15) / 86400.0)),
            date + "8" + kHour + "0" + kMinute + "15" + kSecond);
  EXPECT_EQ(ToText(core::DateTime(k2024January5 + 30 / 1440.0)), date + "0" + kHour + "30" + kMinute);
}

TEST(ToTextOfDateTime, a_value_out_of_range_prints_as_the_nearest_end) {
  EXPECT_EQ(ToText(core::DateTime(3'000'000)), "9999" + kYear + "12" + kMonth + "31" + kDay);
  EXPECT_EQ(ToText(core::DateTime(-700'000)), "100" + kYear + "1" + kMonth + "1" + kDay);
}

TEST(ToTextOfText, is_a_copy) {
  EXPECT_EQ(ToText("\xD6\xD0" "abc"), "\xD6\xD0" "abc");
  EXPECT_EQ(ToText(""), "");
}

TEST(ToTextOfByteSet, stops_at_the_first_zero_byte) {
  EXPECT_EQ(ToText(core::ByteSet{'a', 'b', 0, 'c'}), "ab");
  EXPECT_EQ(ToText(core::ByteSet{'a', 'b'}), "ab");
  EXPECT_EQ(ToText(core::ByteSet{}), "");
}

TEST(ToTextOfArray, an_array_of_numbers_reads_its_element_bytes_up_to_a_zero) {
  const core::Array bytes(core::type_codes::kByte, {Value(std::uint8_t{'A'}), Value(std::uint8_t{'B'})});
  EXPECT_EQ(ToText(bytes), "AB");
  const core::Array integers(core::type_codes::kInteger, {Value(std::int32_t{0x4241})});
  EXPECT_EQ(ToText(integers), "AB") << "the bytes 41 42 00 00";
}

TEST(ToTextOfOtherTypes, gives_the_empty_text) {
  EXPECT_EQ(ToText(core::Array::OfTexts({"a", "b"})), "");
  EXPECT_EQ(ToText(core::SubroutineAddress{0x401000}), "");
  EXPECT_EQ(ToText(core::UnitReference{core::kMainWindowId, core::kWindowOwnRecordId, core::type_codes::kWindow}), "");
  EXPECT_EQ(ToText(Value()), "");
}

}  // namespace
}  // namespace vorlix::commands
