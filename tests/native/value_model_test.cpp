#include "runtime/core/values/value.h"

#include <gtest/gtest.h>

#include <cmath>

#include "native/fatal_error_capture.h"
#include "texts.h"

namespace vorlix::core {
namespace {

TEST(ValueTypeCode, each_kind_of_value_reports_its_basic_type_code) {
  EXPECT_EQ(Value(std::uint8_t{1}).type_code(), 0x80000101u);
  EXPECT_EQ(Value(std::int16_t{1}).type_code(), 0x80000201u);
  EXPECT_EQ(Value(std::int32_t{1}).type_code(), 0x80000301u);
  EXPECT_EQ(Value(std::int64_t{1}).type_code(), 0x80000401u);
  EXPECT_EQ(Value(1.0f).type_code(), 0x80000501u);
  EXPECT_EQ(Value(1.0).type_code(), 0x80000601u);
  EXPECT_EQ(Value(true).type_code(), 0x80000002u);
  EXPECT_EQ(Value(DateTime(1)).type_code(), 0x80000003u);
  EXPECT_EQ(Value("x").type_code(), 0x80000004u) << "a literal must stay a text, not become a truth value";
  EXPECT_EQ(Value(ByteSet{1}).type_code(), 0x80000005u);
  EXPECT_EQ(Value(SubroutineAddress{4}).type_code(), 0x80000006u);
  EXPECT_EQ(Value(EightByteValue{}).type_code(), 0x80000008u);
}

TEST(ValueTypeCode, a_value_left_out_has_type_code_zero) {
  EXPECT_EQ(Value().type_code(), 0u);
  EXPECT_FALSE(Value().given());
  EXPECT_TRUE(Value(std::int32_t{0}).given());
}

TEST(ValueTypeCode, a_unit_reference_carries_its_unit_type_code) {
  const Value list_view(UnitReference{kMainWindowId, 0x16010002, type_codes::kListView});
  EXPECT_EQ(list_view.type_code(), 0x00020004u);
}

TEST(ValueTypeCode, an_array_gives_its_element_type_with_the_storage_flag) {
  const Value texts(Array::OfTexts({"a", "b"}));
  EXPECT_EQ(texts.type_code(), 0x80000004u | 0x20000000u);
  EXPECT_TRUE(PointsToStorage(texts.type_code()));
}

TEST(NumericTypes, are_exactly_the_six_number_types) {
  for (TypeCode code : {0x80000101u, 0x80000201u, 0x80000301u, 0x80000401u, 0x80000501u, 0x80000601u}) {
    EXPECT_TRUE(IsNumericType(code)) << std::hex << code;
  }
  EXPECT_FALSE(IsNumericType(type_codes::kBool));
  EXPECT_FALSE(IsNumericType(type_codes::kDateTime));
  EXPECT_FALSE(IsNumericType(type_codes::kWindow)) << "0x00010001 ends in 1 but is a unit type";
  EXPECT_FALSE(IsNumericType(type_codes::kInteger | type_codes::kPointsToStorage)) << "an array is not a number";
}

TEST(ArrayElements, an_element_of_another_type_is_runtime_error_5) {
  const auto raised = test::FatalErrorOf([] { Array(type_codes::kText, {Value("a"), Value(std::int32_t{1})}); });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->code, 5);
  EXPECT_EQ(raised->text, texts::kRuntimeError5);
}

TEST(ArrayElements, arrays_of_arrays_are_refused) {
  EXPECT_TRUE(test::FatalErrorOf([] { Array(type_codes::kText | type_codes::kPointsToStorage, {}); }));
}

TEST(DateTimeClamping, a_stored_date_time_stays_within_year_100_and_9999) {
  EXPECT_EQ(DateTime(3'000'000).days(), 2'958'465);
  EXPECT_EQ(DateTime(-700'000).days(), -657'434);
  EXPECT_EQ(DateTime(45296.5).days(), 45296.5);
}

TEST(DateTimeClamping, a_value_that_is_not_a_number_becomes_day_zero) {
  EXPECT_EQ(DateTime(std::nan("")).days(), 0);
}

}  // namespace
}  // namespace vorlix::core
