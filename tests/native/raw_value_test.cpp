#include "runtime/core/values/raw_value.h"

#include <gtest/gtest.h>

#include <bit>

namespace vorlix::core {
namespace {

ByteSet Bytes(std::initializer_list<int> values) {
  ByteSet bytes;
  for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
  return bytes;
}

TEST(StoreFromBytes, numbers_are_read_little_endian) {
  EXPECT_EQ(*StoreFromBytes(type_codes::kInteger, Bytes({0x78, 0x56, 0x34, 0x12})).get_if<std::int32_t>(), 0x12345678);
  EXPECT_EQ(*StoreFromBytes(type_codes::kShort, Bytes({0xFE, 0xFF})).get_if<std::int16_t>(), -2);
  EXPECT_EQ(*StoreFromBytes(type_codes::kByte, Bytes({0xC8})).get_if<std::uint8_t>(), 200);
}

TEST(StoreFromBytes, bytes_missing_from_a_short_source_count_as_zero) {
  EXPECT_EQ(*StoreFromBytes(type_codes::kInteger, Bytes({0x05})).get_if<std::int32_t>(), 5);
  EXPECT_EQ(*StoreFromBytes(type_codes::kLong, {}).get_if<std::int64_t>(), 0);
}

TEST(StoreFromBytes, any_non_zero_word_stores_true_read_back_as_one) {
  const Value stored = StoreFromBytes(type_codes::kBool, Bytes({0x00, 0x02, 0x00, 0x00}));
  EXPECT_EQ(ReadAsBytes(stored), Bytes({1, 0, 0, 0}));
  EXPECT_EQ(ReadAsBytes(StoreFromBytes(type_codes::kBool, Bytes({0, 0, 0, 0}))), Bytes({0, 0, 0, 0}));
}

TEST(StoreFromBytes, a_date_time_is_clamped) {
  const auto raw = std::bit_cast<std::array<std::uint8_t, 8>>(3'000'000.0);
  const Value stored = StoreFromBytes(type_codes::kDateTime, raw);
  EXPECT_EQ(stored.get_if<DateTime>()->days(), 2'958'465);
}

TEST(StoreFromBytes, a_text_stops_at_a_zero_byte_or_the_given_count) {
  EXPECT_EQ(*StoreFromBytes(type_codes::kText, Bytes({'a', 'b', 0, 'c'})).get_if<Text>(), "ab");
  EXPECT_EQ(*StoreFromBytes(type_codes::kText, Bytes({'a', 'b'})).get_if<Text>(), "ab");
}

TEST(StoreFromBytes, a_byte_set_keeps_every_byte_zeros_included) {
  EXPECT_EQ(*StoreFromBytes(type_codes::kByteSet, Bytes({0, 1, 0})).get_if<ByteSet>(), Bytes({0, 1, 0}));
}

TEST(StoreFromBytes, a_type_without_a_raw_form_gives_a_value_not_given) {
  EXPECT_FALSE(StoreFromBytes(type_codes::kListView, Bytes({1, 2, 3, 4, 5, 6, 7, 8})).given());
}

TEST(ReadAsBytes, numbers_give_their_fixed_size) {
  EXPECT_EQ(ReadAsBytes(std::uint8_t{7}).size(), 1u);
  EXPECT_EQ(ReadAsBytes(std::int16_t{7}).size(), 2u);
  EXPECT_EQ(ReadAsBytes(std::int32_t{7}), Bytes({7, 0, 0, 0}));
  EXPECT_EQ(ReadAsBytes(1.0f).size(), 4u);
  EXPECT_EQ(ReadAsBytes(std::int64_t{7}).size(), 8u);
  EXPECT_EQ(ReadAsBytes(1.0).size(), 8u);
}

TEST(ReadAsBytes, a_text_gives_its_bytes_with_the_terminator) {
  EXPECT_EQ(ReadAsBytes(Value("ab")), Bytes({'a', 'b', 0}));
  EXPECT_EQ(ReadAsBytes(Value("")), Bytes({0}));
}

TEST(ReadAsBytes, a_byte_set_gives_its_data_bytes) { EXPECT_EQ(ReadAsBytes(Value(Bytes({9, 8}))), Bytes({9, 8})); }

TEST(ReadAsBytes, units_and_values_not_given_give_nothing) {
  EXPECT_TRUE(ReadAsBytes(Value(UnitReference{1, 2, type_codes::kButton})).empty());
  EXPECT_TRUE(ReadAsBytes(Value()).empty());
}

TEST(RawBytes, every_number_survives_a_round_trip) {
  for (const Value& value : {Value(std::int16_t{-300}), Value(std::int64_t{-5'000'000'000}), Value(-2.5f), Value(1e300)}) {
    const Value back = StoreFromBytes(value.type_code(), ReadAsBytes(value));
    EXPECT_EQ(ReadAsBytes(back), ReadAsBytes(value)) << std::hex << value.type_code();
  }
}

}  // namespace
}  // namespace vorlix::core
