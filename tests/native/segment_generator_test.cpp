#include "tools/template_generator/segment_generator.h"

#include <gtest/gtest.h>

#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/template_segment_codec.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/template_data/test_window_segment.h"

namespace vorlix::tools {
namespace {

using core::type_codes::kButton;
using core::type_codes::kShapeBox;

TemplateDescription OneWindow() {
  TemplateDescription description;
  description.handler_names = {"Built", "Clicked", "Chosen"};
  description.windows.emplace_back(0x52010001, 0x1901000A);
  return description;
}

core::WindowRecord Generated(const TemplateDescription& description, std::size_t entry_size = 8) {
  return core::ParseSegment(GenerateSegment(description, entry_size)).at(0).record;
}

std::string ErrorOf(const TemplateDescription& description) {
  try {
    GenerateSegment(description, 8);
  } catch (const DescriptionError& error) {
    return error.what();
  }
  return "no error";
}

TEST(SegmentGenerator, units_are_stored_newest_first_so_the_described_order_is_the_creation_order) {
  TemplateDescription description = OneWindow();
  auto& window = description.windows[0];
  window.AddUnit(kButton, 0x16010001, "first");
  window.AddUnit(kButton, 0x16010002, "second");
  window.AddUnit(kButton, 0x16010003, "third");
  const core::WindowRecord record = Generated(description);
  ASSERT_EQ(record.records.size(), 4u);
  EXPECT_EQ(record.records[0].id, core::kWindowOwnRecordId);
  EXPECT_EQ(record.records[1].Unit()->name, "third");
  EXPECT_EQ(record.records[3].Unit()->name, "first");
}

TEST(SegmentGenerator, handlers_are_bound_by_their_offset_in_the_handler_table) {
  TemplateDescription description = OneWindow();
  auto& window = description.windows[0];
  window.Frame().On(0, "Built");
  window.AddUnit(kButton, 0x16010001, "b").On(0, "Clicked").On(-4, "Built");
  window.AddMenuItem(0x26010001, 0, "menu").Hidden();
  window.AddMenuItem(0x26010002, 1, "item", "Chosen");
  const core::WindowRecord record = Generated(description, 4);
  EXPECT_EQ(record.records[0].Unit()->bindings, (std::vector<core::EventBinding>{{0, 0}}));
  EXPECT_EQ(record.records[1].Unit()->bindings, (std::vector<core::EventBinding>{{0, 4}, {-4, 0}}));
  EXPECT_EQ(record.records[2].MenuItem()->handler_offset, core::kNoHandlerOffset);
  EXPECT_EQ(record.records[3].MenuItem()->handler_offset, 8u);
  EXPECT_EQ(record.records[2].MenuItem()->flags, core::menu_flags::kHidden);
}

TEST(SegmentGenerator, an_unknown_handler_name_fails_with_a_message_naming_it) {
  TemplateDescription description = OneWindow();
  description.windows[0].AddUnit(kButton, 0x16010004, "b").On(0, "StartSerch");
  const std::string error = ErrorOf(description);
  EXPECT_NE(error.find("'StartSerch'"), std::string::npos) << error;
  EXPECT_NE(error.find("0x16010004"), std::string::npos) << error;
}

TEST(SegmentGenerator, a_container_lists_the_units_placed_on_it_in_creation_order) {
  TemplateDescription description = OneWindow();
  auto& window = description.windows[0];
  window.AddUnit(kShapeBox, 0x16010001, "shape");
  window.AddUnit(kButton, 0x16010002, "a").In(0x16010001);
  window.AddUnit(kButton, 0x16010003, "b").In(0x16010001);
  const core::WindowRecord record = Generated(description);
  const core::UnitRecord& shape = *core::FindRecord(record, 0x16010001)->Unit();
  EXPECT_EQ(shape.children, (std::vector<core::UnitId>{0x16010002, 0x16010003}));
  EXPECT_EQ(core::FindRecord(record, 0x16010003)->Unit()->parent, 0x16010001u);
}

TEST(SegmentGenerator, a_unit_placed_on_a_unit_that_holds_none_fails) {
  TemplateDescription description = OneWindow();
  auto& window = description.windows[0];
  window.AddUnit(kButton, 0x16010001, "a");
  window.AddUnit(kButton, 0x16010002, "b").In(0x16010001);
  EXPECT_NE(ErrorOf(description).find("no container"), std::string::npos);
}

TEST(SegmentGenerator, untouched_properties_are_stored_empty_and_set_ones_in_the_newest_layout) {
  TemplateDescription description = OneWindow();
  auto& window = description.windows[0];
  window.AddUnit(core::type_codes::kProcessBar, 0x16010001, "bar");
  window.AddUnit(kButton, 0x16010002, "b").Set(core::button_props::kCaption, core::Text("\xC1\xA2"));
  const core::WindowRecord record = Generated(description);
  EXPECT_TRUE(core::FindRecord(record, 0x16010001)->Unit()->property_data.empty());
  auto button = core::UnitPropertyData::Parse(*core::FindUnitType(kButton),
                                              core::FindRecord(record, 0x16010002)->Unit()->property_data);
  ASSERT_TRUE(button.has_value());
  EXPECT_EQ(button->TextOf(core::button_props::kCaption), "\xC1\xA2");
}

TEST(SegmentGenerator, every_unit_stores_the_default_pointer) {
  TemplateDescription description = OneWindow();
  description.windows[0].AddUnit(kButton, 0x16010001, "b");
  EXPECT_EQ(Generated(description).records[1].Unit()->pointer_data, (core::ByteSet{0, 0, 0, 0}));
}

TEST(SegmentGenerator, a_refused_property_value_fails_at_once) {
  TemplateDescription description = OneWindow();
  auto& unit = description.windows[0].AddUnit(kButton, 0x16010001, "b");
  EXPECT_THROW(unit.Set(core::button_props::kCaption, 5), DescriptionError);
}

TEST(SegmentGenerator, duplicate_ids_wrong_id_forms_and_skipped_menu_levels_fail) {
  TemplateDescription twice = OneWindow();
  twice.windows[0].AddUnit(kButton, 0x16010001, "a");
  twice.windows[0].AddUnit(kButton, 0x16010001, "b");
  EXPECT_NE(ErrorOf(twice).find("twice"), std::string::npos);

  TemplateDescription menu_id_for_unit = OneWindow();
  menu_id_for_unit.windows[0].AddUnit(kButton, 0x26010001, "a");
  EXPECT_NE(ErrorOf(menu_id_for_unit).find("no unit id"), std::string::npos);

  TemplateDescription skipped = OneWindow();
  skipped.windows[0].AddMenuItem(0x26010001, 0, "top");
  skipped.windows[0].AddMenuItem(0x26010002, 2, "deep");
  EXPECT_NE(ErrorOf(skipped).find("level"), std::string::npos);
}

TEST(SegmentGenerator, the_embedded_test_segment_is_what_the_description_generates) {
  const core::ByteSet generated = GenerateSegment(DescribeTemplates(), sizeof(void*));
  const auto embedded = tests::TestWindowSegment();
  EXPECT_EQ(generated, core::ByteSet(embedded.begin(), embedded.end()));
}

}  // namespace
}  // namespace vorlix::tools
