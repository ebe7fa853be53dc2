#include "runtime/core/template/unit_property_data.h"

#include <gtest/gtest.h>

#include "runtime/core/template/byte_writer.h"
#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

const UnitTypeDescriptor& Type(UnitTypeCode code) { return *FindUnitType(code); }

constexpr UnitTypeCode kTypesWithData[] = {
    type_codes::kWindow,   type_codes::kEditBox,    type_codes::kLabel,    type_codes::kButton,
    type_codes::kCheckBox, type_codes::kRadioBox,   type_codes::kListBox,  type_codes::kProcessBar,
    type_codes::kTimer,    type_codes::kShapeBox,   type_codes::kListView, type_codes::kTransLabel,
    type_codes::kDropTarget,
};

// A value for each stored field that differs from every default and from
// the other fields, so that a field read into the wrong property shows.
PropertyValue DistinctValue(const StoredField& field) {
  const std::int32_t n = 7 + field.property;
  switch (field.form) {
    case FieldForm::kWord: return n;
    case FieldForm::kU16: return std::int32_t{0x2A00 + n};
    case FieldForm::kText: return Text("t\xB0\xB4") + std::to_string(n);
    case FieldForm::kBytes: return ByteSet(n % 5 + 1, static_cast<std::uint8_t>(n));
    case FieldForm::kTextList: return TextList{"a", std::to_string(n)};
  }
  return n;
}

// Writes version `version` of a type's data with DistinctValue in each field
// present in that version.
ByteSet WriteVersion(const UnitTypeDescriptor& type, std::uint32_t version) {
  ByteWriter out;
  out.U32(version);
  for (const auto& field : type.layout->fields) {
    if (field.since_version > version) continue;
    const PropertyValue value = DistinctValue(field);
    switch (field.form) {
      case FieldForm::kWord: out.I32(std::get<std::int32_t>(value)); break;
      case FieldForm::kU16: out.U16(static_cast<std::uint16_t>(std::get<std::int32_t>(value))); break;
      case FieldForm::kText: out.Block(std::get<Text>(value)); break;
      case FieldForm::kBytes: out.Block(std::get<ByteSet>(value)); break;
      case FieldForm::kTextList:
        out.U32(2);
        for (const auto& text : std::get<TextList>(value)) out.Block(text);
        break;
    }
  }
  return out.Take();
}

// Structured blocks and clamped numbers cannot take arbitrary values.
bool HasConstrainedValues(UnitTypeCode code) {
  return code == type_codes::kListView || code == type_codes::kProcessBar;
}

TEST(UnitPropertyData, every_type_and_version_round_trips_through_parse_and_emit) {
  for (UnitTypeCode code : kTypesWithData) {
    if (HasConstrainedValues(code)) continue;
    const UnitTypeDescriptor& type = Type(code);
    for (std::uint32_t version = 1; version <= type.layout->max_version; ++version) {
      SCOPED_TRACE(std::string(type.english_name) + " version " + std::to_string(version));
      auto parsed = UnitPropertyData::Parse(type, WriteVersion(type, version));
      ASSERT_TRUE(parsed.has_value());
      EXPECT_EQ(parsed->StoredVersion(), version);
      const UnitPropertyData defaults(type);
      for (const auto& field : type.layout->fields) {
        const PropertyValue expected = field.since_version <= version ? DistinctValue(field)
                                                                      : *defaults.Get(field.property);
        EXPECT_EQ(*parsed->Get(field.property), expected) << type.properties[field.property].name;
      }
      const ByteSet emitted = parsed->Emit();
      auto again = UnitPropertyData::Parse(type, emitted);
      ASSERT_TRUE(again.has_value());
      EXPECT_EQ(again->StoredVersion(), type.layout->max_version);
      EXPECT_EQ(*again, *parsed);
      EXPECT_EQ(again->Emit(), emitted);
    }
  }
}

TEST(UnitPropertyData, a_version_1_edit_box_comes_back_as_version_2_with_empty_trailing_texts) {
  ByteWriter v1;
  v1.U32(1);
  for (int word = 0; word < 9; ++word) v1.U32(word);
  v1.U16('#');
  for (int word = 0; word < 6; ++word) v1.U32(0);
  v1.Block(ByteSet{});
  v1.Block(std::string_view("\xC3\xFB"));
  ByteSet expected = v1.Bytes();
  expected[0] = 2;
  expected.insert(expected.end(), 8, 0);  // two empty texts

  auto parsed = UnitPropertyData::Parse(Type(type_codes::kEditBox), v1.Bytes());
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->TextOf(edit_box_props::kContent), "\xC3\xFB");
  EXPECT_EQ(parsed->Word(edit_box_props::kPasswordChar), '#');
  EXPECT_EQ(parsed->TextOf(edit_box_props::kDataSource), "");
  EXPECT_EQ(parsed->Emit(), expected);
}

TEST(UnitPropertyData, label_words_are_read_in_their_stored_order) {
  ByteWriter data;
  data.U32(1);
  for (std::int32_t word = 1; word <= 16; ++word) data.I32(word);
  for (int block = 0; block < 3; ++block) data.Block(ByteSet{});
  auto parsed = UnitPropertyData::Parse(Type(type_codes::kLabel), data.Bytes());
  ASSERT_TRUE(parsed.has_value());
  using namespace label_props;
  const int stored_order[] = {kEffect, kEffectWidth, kBorder, kShadowColour, kHighlightColour, kEdgeColour,
                              kBackgroundMode, kBackgroundColour, kPictureLayout, kGradientDirection,
                              kGradientColour1, kGradientColour2, kGradientColour3, kHorizontalAlignment,
                              kVerticalAlignment, kWordWrap};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(parsed->Word(stored_order[i]), i + 1) << i;
}

TEST(UnitPropertyData, empty_data_gives_every_default) {
  auto bar = UnitPropertyData::Parse(Type(type_codes::kProcessBar), {});
  ASSERT_TRUE(bar.has_value());
  EXPECT_EQ(bar->Word(process_bar_props::kBorder), 3);
  EXPECT_EQ(bar->Word(process_bar_props::kMaximum), 100);
  EXPECT_EQ(bar->Word(process_bar_props::kPosition), 0);

  auto shape = UnitPropertyData::Parse(Type(type_codes::kShapeBox), {});
  ASSERT_TRUE(shape.has_value());
  EXPECT_EQ(static_cast<std::uint32_t>(shape->Word(shape_box_props::kFillColour)), 0xFF000000u);
  EXPECT_EQ(shape->Word(shape_box_props::kLineStyle), 1);
  EXPECT_EQ(shape->Word(shape_box_props::kLineWidth), 1);
  EXPECT_EQ(shape->Word(shape_box_props::kLineColour), 0);

  auto list = UnitPropertyData::Parse(Type(type_codes::kListBox), {});
  ASSERT_TRUE(list.has_value());
  EXPECT_TRUE(list->ListOf(list_box_props::kItems).empty());
  EXPECT_FALSE(list->Font(list_box_props::kFont).has_value());
}

TEST(UnitPropertyData, a_version_above_the_maximum_is_refused) {
  for (UnitTypeCode code : kTypesWithData) {
    const UnitTypeDescriptor& type = Type(code);
    ByteSet data = UnitPropertyData(type).Emit();
    data[0] = static_cast<std::uint8_t>(type.layout->max_version + 1);
    EXPECT_FALSE(UnitPropertyData::Parse(type, data).has_value()) << type.english_name;
  }
}

TEST(UnitPropertyData, truncated_or_overlong_data_is_refused) {
  for (UnitTypeCode code : kTypesWithData) {
    const UnitTypeDescriptor& type = Type(code);
    ByteSet data = UnitPropertyData(type).Emit();
    ByteSet longer = data;
    longer.push_back(0);
    data.pop_back();
    EXPECT_FALSE(UnitPropertyData::Parse(type, data).has_value()) << type.english_name;
    EXPECT_FALSE(UnitPropertyData::Parse(type, longer).has_value()) << type.english_name;
  }
}

TEST(UnitPropertyData, a_type_without_stored_data_refuses_any) {
  EXPECT_FALSE(UnitPropertyData::Parse(Type(type_codes::kMenu), {}).has_value());
  EXPECT_FALSE(UnitPropertyData::Parse(*FindUnitType(MakeTypeCode(1, 2)), {}).has_value());
}

ByteSet ProcessBarData(std::int32_t minimum, std::int32_t maximum, std::int32_t position) {
  ByteWriter out;
  for (std::int32_t word : {1, 3, 0, 0, minimum, maximum, position}) out.I32(word);
  return out.Take();
}

TEST(ProcessBarData, a_position_above_the_maximum_starts_at_the_maximum) {
  auto bar = UnitPropertyData::Parse(Type(type_codes::kProcessBar), ProcessBarData(0, 100, 250));
  ASSERT_TRUE(bar.has_value());
  EXPECT_EQ(bar->Word(process_bar_props::kPosition), 100);
}

TEST(ProcessBarData, range_and_position_are_clamped_to_0_through_32767) {
  auto bar = UnitPropertyData::Parse(Type(type_codes::kProcessBar), ProcessBarData(-5, 40000, 33000));
  ASSERT_TRUE(bar.has_value());
  EXPECT_EQ(bar->Word(process_bar_props::kMinimum), 0);
  EXPECT_EQ(bar->Word(process_bar_props::kMaximum), 32767);
  EXPECT_EQ(bar->Word(process_bar_props::kPosition), 32767);
}

TEST(ProcessBarData, a_reversed_range_keeps_the_position_between_its_ends) {
  auto bar = UnitPropertyData::Parse(Type(type_codes::kProcessBar), ProcessBarData(80, 20, 5));
  ASSERT_TRUE(bar.has_value());
  EXPECT_EQ(bar->Word(process_bar_props::kPosition), 20);
}

TEST(ProcessBarData, writing_the_maximum_clamps_it_and_the_position) {
  UnitPropertyData bar(Type(type_codes::kProcessBar));
  ASSERT_EQ(bar.Set(process_bar_props::kPosition, 90), UnitPropertyData::SetResult::kApplied);
  ASSERT_EQ(bar.Set(process_bar_props::kMaximum, -3), UnitPropertyData::SetResult::kApplied);
  EXPECT_EQ(bar.Word(process_bar_props::kMaximum), 0);
  EXPECT_EQ(bar.Word(process_bar_props::kPosition), 0);
  ASSERT_EQ(bar.Set(process_bar_props::kMaximum, 99999), UnitPropertyData::SetResult::kApplied);
  EXPECT_EQ(bar.Word(process_bar_props::kMaximum), 32767);
}

UnitPropertyData ListViewWith(const ByteSet& columns, const ByteSet& items = {}) {
  UnitPropertyData list(Type(type_codes::kListView));
  EXPECT_NE(list.Set(list_view_props::kColumns, columns), UnitPropertyData::SetResult::kRefused);
  EXPECT_NE(list.Set(list_view_props::kInitialItems, items), UnitPropertyData::SetResult::kRefused);
  return list;
}

TEST(ListViewData, an_empty_column_block_gives_a_list_without_columns) {
  auto list = UnitPropertyData::Parse(Type(type_codes::kListView), UnitPropertyData(Type(type_codes::kListView)).Emit());
  ASSERT_TRUE(list.has_value());
  auto columns = ParseListViewColumns(list->BytesOf(list_view_props::kColumns));
  ASSERT_TRUE(columns.has_value());
  EXPECT_TRUE(columns->empty());
}

TEST(ListViewData, columns_and_initial_items_survive_parse_and_emit) {
  const std::vector<ListViewColumn> columns{{0, -1, 0, 450, "\xCE\xC4\xBC\xFE"}, {0, -1, 2, 100, "name"}};
  const std::vector<ListViewInitialEntry> items{{0, -1, 2, 0, 7, "row", ""}, {1, -1, 0, 0, 0, "cell", "x"}};
  const UnitPropertyData list = ListViewWith(EmitListViewColumns(columns), EmitListViewInitialEntries(items));
  auto parsed = UnitPropertyData::Parse(Type(type_codes::kListView), list.Emit());
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(ParseListViewColumns(parsed->BytesOf(list_view_props::kColumns)), columns);
  EXPECT_EQ(ParseListViewInitialEntries(parsed->BytesOf(list_view_props::kInitialItems)), items);
}

TEST(ListViewData, a_column_block_cut_inside_an_entry_refuses_the_data) {
  ByteSet columns = EmitListViewColumns({{0, -1, 0, 260, "path"}});
  columns.pop_back();  // the header's terminator
  UnitPropertyData list(Type(type_codes::kListView));
  EXPECT_EQ(list.Set(list_view_props::kColumns, columns), UnitPropertyData::SetResult::kRefused);
  EXPECT_TRUE(list.BytesOf(list_view_props::kColumns).empty());

  ByteWriter stored;
  const ByteSet good = list.Emit();
  // Replace the empty column block (fourth of the six blocks) by the cut one.
  std::size_t blocks_at = good.size() - 6 * 4;
  stored.Raw(std::span(good).first(blocks_at + 3 * 4));
  stored.Block(columns);
  stored.Raw(std::span(good).subspan(blocks_at + 4 * 4));
  EXPECT_FALSE(UnitPropertyData::Parse(Type(type_codes::kListView), stored.Bytes()).has_value());
}

TEST(UnitPropertyDataSet, truth_values_are_stored_as_0_or_1) {
  UnitPropertyData box(Type(type_codes::kCheckBox));
  ASSERT_EQ(box.Set(check_box_props::kChecked, 5), UnitPropertyData::SetResult::kApplied);
  EXPECT_EQ(box.Word(check_box_props::kChecked), 1);
}

TEST(UnitPropertyDataSet, switches_that_shape_the_window_ask_for_a_new_unit) {
  UnitPropertyData edit(Type(type_codes::kEditBox));
  EXPECT_EQ(edit.Set(edit_box_props::kMultiLine, 1), UnitPropertyData::SetResult::kNeedsRecreate);
  EXPECT_EQ(edit.Set(edit_box_props::kMaxLength, 10), UnitPropertyData::SetResult::kApplied);
}

TEST(UnitPropertyDataSet, a_value_of_the_wrong_form_or_a_live_only_property_is_refused) {
  UnitPropertyData edit(Type(type_codes::kEditBox));
  EXPECT_EQ(edit.Set(edit_box_props::kContent, 3), UnitPropertyData::SetResult::kRefused);
  EXPECT_EQ(edit.Set(edit_box_props::kSelectedText, Text("x")), UnitPropertyData::SetResult::kRefused);
  EXPECT_EQ(edit.Get(edit_box_props::kSelectedText), nullptr);
  EXPECT_EQ(edit.Set(99, 1), UnitPropertyData::SetResult::kRefused);
}

TEST(UnitPropertyDataFont, a_stored_60_byte_font_is_decoded_and_any_other_length_is_the_default) {
  const LogFont nine_point = MakeFont(-12, kNormalWeight);
  UnitPropertyData button(Type(type_codes::kButton));
  ASSERT_EQ(button.Set(button_props::kFont, EncodeFont(nine_point)), UnitPropertyData::SetResult::kApplied);
  auto parsed = UnitPropertyData::Parse(Type(type_codes::kButton), button.Emit());
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->Font(button_props::kFont), nine_point);
  ASSERT_EQ(button.Set(button_props::kFont, ByteSet(59, 0)), UnitPropertyData::SetResult::kApplied);
  EXPECT_FALSE(button.Font(button_props::kFont).has_value());
}

TEST(UnitPropertyDataFont, the_face_name_is_kept_as_gbk_bytes_and_always_terminated) {
  const LogFont font = MakeFont(-16, kBoldWeight, "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(EncodeFont(font).size(), kLogFontSize);
  EXPECT_EQ(FaceName(*DecodeFont(EncodeFont(font))), "\xCB\xCE\xCC\xE5");
  ByteSet full = EncodeFont(MakeFont(-12, kNormalWeight));
  std::fill(full.begin() + 28, full.end(), 'a');
  EXPECT_EQ(FaceName(*DecodeFont(full)), std::string(31, 'a'));
}

}  // namespace
}  // namespace vorlix::core
