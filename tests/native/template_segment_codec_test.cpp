#include "runtime/core/template/template_segment_codec.h"

#include <gtest/gtest.h>

#include "runtime/core/template/byte_reader.h"
#include "runtime/core/template/byte_writer.h"

namespace vorlix::core {
namespace {

UnitRecord SampleUnit() {
  UnitRecord unit;
  unit.type = type_codes::kButton;
  unit.name = "\xB0\xB4\xC5\xA5" "1";
  unit.left = 6;
  unit.top = -4;
  unit.width = 66;
  unit.height = 30;
  unit.parent = 0x16010002;
  unit.pointer_data = {0, 0, 0, 0};
  unit.state = state_flags::kVisible | state_flags::kTabStop;
  unit.bindings = {{0, 16}, {-4, kNoHandlerOffset}};
  unit.property_data = {1, 0, 0, 0};
  return unit;
}

UnitRecord OwnRecord() {
  UnitRecord own;
  own.type = type_codes::kWindow;
  return own;
}

TEST(TemplateSegmentCodec, a_unit_record_is_laid_out_field_by_field) {
  const UnitRecord unit = SampleUnit();
  ByteWriter expected;
  expected.U32(type_codes::kButton);
  expected.U32(0);
  expected.Raw(ByteSet(16, 0));
  expected.CText(unit.name);
  expected.CText("");
  for (std::uint32_t word : {0u, 6u, static_cast<std::uint32_t>(-4), 66u, 30u, 0u, 0x16010002u, 0u}) {
    expected.U32(word);
  }
  expected.Block(ByteSet{0, 0, 0, 0});
  expected.CText("");
  for (std::uint32_t word : {0u, 5u, 0u, 2u, 0u, 16u, static_cast<std::uint32_t>(-4), 0xFFFFFFFFu}) {
    expected.U32(word);
  }
  expected.Raw(ByteSet(20, 0));
  expected.Raw(ByteSet{1, 0, 0, 0});
  EXPECT_EQ(SerialiseRecord({0x16010004, unit}), expected.Bytes());
  EXPECT_EQ(ParseUnitRecord(expected.Bytes()), unit);
}

TEST(TemplateSegmentCodec, a_menu_item_record_ends_with_its_handler_and_slots) {
  MenuItemRecord item;
  item.level = 1;
  item.flags = menu_flags::kChecked;
  item.caption = "-";
  item.handler_offset = 24;
  const ByteSet data = SerialiseRecord({0x26010263, item});
  ASSERT_EQ(data.size(), 4 + 4 + 16 + 1 + 1 + 12 + 2 + 4 + 16u);
  ByteReader tail(std::span<const std::uint8_t>(data).subspan(data.size() - 20, 4));
  EXPECT_EQ(tail.U32(), 24u);
  EXPECT_EQ(ParseMenuItemRecord(data), item);
}

TEST(TemplateSegmentCodec, a_menu_item_record_with_bytes_left_over_is_refused) {
  ByteSet data = SerialiseRecord({0x26010263, MenuItemRecord{}});
  data.push_back(0);
  EXPECT_THROW(ParseMenuItemRecord(data), MalformedData);
}

TEST(TemplateSegmentCodec, records_are_menu_items_exactly_by_their_id) {
  WindowRecord window;
  window.records.push_back({kWindowOwnRecordId, OwnRecord()});
  window.records.push_back({0x16010001, SampleUnit()});
  MenuItemRecord item;
  item.caption = "m";
  window.records.push_back({0x26010263, item});
  const TemplateSegment segment{{kMainWindowId, window}};
  const TemplateSegment parsed = ParseSegment(SerialiseSegment(segment));
  ASSERT_EQ(parsed.size(), 1u);
  EXPECT_FALSE(parsed[0].record.records[1].IsMenuItem());
  EXPECT_TRUE(parsed[0].record.records[2].IsMenuItem());
  EXPECT_EQ(parsed, segment);
}

TEST(TemplateSegmentCodec, the_window_table_holds_ids_then_slots_then_records) {
  WindowRecord window;
  window.module_id = 0x1901000A;
  window.records.push_back({kWindowOwnRecordId, OwnRecord()});
  const TemplateSegment segment{{0x52010001, window}, {0x52010002, window}};
  const ByteSet bytes = SerialiseSegment(segment);
  ByteReader in(bytes);
  EXPECT_EQ(in.U32(), 16u);
  EXPECT_EQ(in.U32(), 0x52010001u);
  EXPECT_EQ(in.U32(), 0x52010002u);
  EXPECT_EQ(in.U32(), 0u);
  EXPECT_EQ(in.U32(), 0u);
  EXPECT_EQ(in.U32(), 0u);           // reserved
  EXPECT_EQ(in.U32(), 0x1901000Au);  // module
  EXPECT_EQ(ParseSegment(bytes), segment);
}

TEST(TemplateSegmentCodec, record_offsets_count_from_the_end_of_the_offsets) {
  WindowRecord window;
  window.records.push_back({kWindowOwnRecordId, OwnRecord()});
  window.records.push_back({0x16010001, SampleUnit()});
  const ByteSet bytes = SerialiseSegment({{kMainWindowId, window}});
  ByteReader in(bytes);
  in.Take(5 * 4);  // table length, id, slot, reserved, module
  in.BlockText();
  in.BlockText();
  EXPECT_EQ(in.U32(), 2u);
  auto table = in.Block();
  EXPECT_TRUE(in.AtEnd());
  ByteReader body(table);
  EXPECT_EQ(body.U32(), kWindowOwnRecordId);
  EXPECT_EQ(body.U32(), 0x16010001u);
  EXPECT_EQ(body.U32(), 0u);
  const std::uint32_t second = body.U32();
  EXPECT_EQ(second, 4 + SerialiseRecord(window.records[0]).size());
  ByteReader at(table.subspan(16 + second));
  EXPECT_EQ(ParseUnitRecord(at.Block()), SampleUnit());
}

}  // namespace
}  // namespace vorlix::core
