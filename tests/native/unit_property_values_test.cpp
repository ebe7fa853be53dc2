#include "runtime/core/template/unit_property_values.h"

#include <gtest/gtest.h>

namespace vorlix::core {
namespace {

TEST(UnitPropertyValues, truth_values_read_as_bool_other_words_as_integers) {
  EXPECT_EQ(*ValueOfProperty(std::int32_t{1}, PropertyValueKind::kTruth).get_if<bool>(), true);
  EXPECT_EQ(*ValueOfProperty(std::int32_t{7}, PropertyValueKind::kColour).get_if<std::int32_t>(), 7);
  EXPECT_EQ(*ValueOfCommonProperty(5, std::int32_t{0}).get_if<bool>(), false);
  EXPECT_EQ(*ValueOfCommonProperty(2, std::int32_t{300}).get_if<std::int32_t>(), 300);
}

TEST(UnitPropertyValues, any_number_or_truth_value_is_written_to_a_word) {
  EXPECT_EQ(PropertyOfValue(Value(true), std::int32_t{0}), PropertyValue{std::int32_t{1}});
  EXPECT_EQ(PropertyOfValue(Value(2.9), std::int32_t{0}), PropertyValue{std::int32_t{2}});
  EXPECT_EQ(PropertyOfValue(Value(std::int64_t{40000}), std::int32_t{0}), PropertyValue{std::int32_t{40000}});
  EXPECT_FALSE(PropertyOfValue(Value("12"), std::int32_t{0}).has_value()) << "a text is not a number";
}

TEST(UnitPropertyValues, texts_byte_sets_and_lists_only_take_their_own_kind) {
  EXPECT_EQ(PropertyOfValue(Value("abc"), Text{}), PropertyValue{Text("abc")});
  EXPECT_FALSE(PropertyOfValue(Value(std::int32_t{1}), Text{}).has_value());
  EXPECT_EQ(PropertyOfValue(Value(ByteSet{1, 2}), ByteSet{}), (PropertyValue{ByteSet{1, 2}}));
  EXPECT_EQ(PropertyOfValue(Value(Array::OfTexts({"a", "b"})), TextList{}), (PropertyValue{TextList{"a", "b"}}));
  EXPECT_FALSE(PropertyOfValue(Value("a"), TextList{}).has_value());
}

}  // namespace
}  // namespace vorlix::core
