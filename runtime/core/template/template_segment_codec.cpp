#include "runtime/core/template/template_segment_codec.h"

#include <string>

#include "runtime/core/template/byte_reader.h"
#include "runtime/core/template/byte_writer.h"

namespace vorlix::core {
namespace {

template <std::size_t N>
void ReadArray(ByteReader& in, std::array<std::uint8_t, N>& out) {
  auto bytes = in.Take(N);
  std::copy(bytes.begin(), bytes.end(), out.begin());
}

// The fields before "S", shared by unit and menu item records.
template <typename Record>
void ReadRecordHead(ByteReader& in, Record& record) {
  record.type = in.U32();
  record.linked_unit = in.U32();
  ReadArray(in, record.reserved);
  record.name = in.CText();
  record.comment = in.CText();
}

template <typename Record>
void WriteRecordHead(ByteWriter& out, const Record& record) {
  out.U32(record.type);
  out.U32(record.linked_unit);
  out.Raw(record.reserved);
  out.CText(record.name);
  out.CText(record.comment);
}

TemplateRecord ParseRecord(UnitId id, std::span<const std::uint8_t> data) {
  if (IdIsMenuItem(id)) return {id, ParseMenuItemRecord(data)};
  return {id, ParseUnitRecord(data)};
}

// The record table: ids, then offsets counted from the end of the offsets,
// then at each offset a u32 length and the record data.
std::vector<TemplateRecord> ParseRecordTable(std::span<const std::uint8_t> body, std::uint32_t count) {
  ByteReader in(body);
  if (count > in.Remaining() / 8) throw MalformedData("the record count does not fit its table");
  std::vector<UnitId> ids(count);
  for (auto& id : ids) id = in.U32();
  std::vector<std::uint32_t> offsets(count);
  for (auto& offset : offsets) offset = in.U32();
  auto record_area = body.subspan(in.Position());
  std::vector<TemplateRecord> records;
  records.reserve(count);
  // Records laid side by side can never take more than their area; a table
  // whose offsets share bytes would otherwise copy them again and again.
  std::size_t taken = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (offsets[i] > record_area.size()) {
      throw MalformedData("record " + std::to_string(i) + " has an offset past its table");
    }
    ByteReader at(record_area.subspan(offsets[i]));
    auto data = at.Block();
    taken += 4 + data.size();
    if (taken > record_area.size()) throw MalformedData("records that overlap in their table");
    records.push_back(ParseRecord(ids[i], data));
  }
  return records;
}

void WriteRecordTable(ByteWriter& out, const std::vector<TemplateRecord>& records) {
  for (const auto& record : records) out.U32(record.id);
  ByteWriter area;
  std::vector<std::uint32_t> offsets;
  for (const auto& record : records) {
    offsets.push_back(static_cast<std::uint32_t>(area.Size()));
    area.Block(SerialiseRecord(record));
  }
  for (auto offset : offsets) out.U32(offset);
  out.Raw(area.Bytes());
}

WindowRecord ParseWindowRecord(ByteReader& in) {
  WindowRecord window;
  window.reserved = in.U32();
  window.module_id = in.U32();
  window.text_a = in.BlockText();
  window.text_b = in.BlockText();
  const std::uint32_t count = in.U32();
  if (count == 0) throw MalformedData("a window without its own record");
  window.records = ParseRecordTable(in.Block(), count);
  if (window.records[0].IsMenuItem()) throw MalformedData("a window whose first record is a menu item");
  return window;
}

void WriteWindowRecord(ByteWriter& out, const WindowRecord& window) {
  out.U32(window.reserved);
  out.U32(window.module_id);
  out.Block(window.text_a);
  out.Block(window.text_b);
  out.U32(static_cast<std::uint32_t>(window.records.size()));
  ByteWriter table;
  WriteRecordTable(table, window.records);
  out.Block(table.Bytes());
}

}  // namespace

UnitRecord ParseUnitRecord(std::span<const std::uint8_t> data) {
  ByteReader in(data);
  UnitRecord unit;
  ReadRecordHead(in, unit);
  unit.object_slot = in.U32();
  unit.left = in.I32();
  unit.top = in.I32();
  unit.width = in.I32();
  unit.height = in.I32();
  unit.pointer_slot = in.U32();
  unit.parent = in.U32();
  unit.children.resize(in.Count(4));
  for (auto& child : unit.children) child = in.U32();
  unit.pointer_data = in.BlockBytes();
  unit.tag = in.CText();
  unit.reserved_after_tag = in.U32();
  unit.state = in.U32();
  unit.tab_order = in.U32();
  unit.bindings.resize(in.Count(8));
  for (auto& binding : unit.bindings) {
    binding.event = in.I32();
    binding.handler_offset = in.U32();
  }
  ReadArray(in, unit.reserved_tail);
  auto rest = in.Take(in.Remaining());
  unit.property_data.assign(rest.begin(), rest.end());
  return unit;
}

MenuItemRecord ParseMenuItemRecord(std::span<const std::uint8_t> data) {
  ByteReader in(data);
  MenuItemRecord item;
  ReadRecordHead(in, item);
  item.shortcut = in.U32();
  item.level = in.U32();
  item.flags = in.U32();
  item.caption = in.CText();
  item.handler_offset = in.U32();
  ReadArray(in, item.runtime_slots);
  in.ExpectEnd("a menu item record");
  return item;
}

ByteSet SerialiseRecord(const TemplateRecord& record) {
  ByteWriter out;
  if (const auto* item = record.MenuItem()) {
    WriteRecordHead(out, *item);
    out.U32(item->shortcut);
    out.U32(item->level);
    out.U32(item->flags);
    out.CText(item->caption);
    out.U32(item->handler_offset);
    out.Raw(item->runtime_slots);
    return out.Take();
  }
  const UnitRecord& unit = *record.Unit();
  WriteRecordHead(out, unit);
  out.U32(unit.object_slot);
  out.I32(unit.left);
  out.I32(unit.top);
  out.I32(unit.width);
  out.I32(unit.height);
  out.U32(unit.pointer_slot);
  out.U32(unit.parent);
  out.U32(static_cast<std::uint32_t>(unit.children.size()));
  for (auto child : unit.children) out.U32(child);
  out.Block(unit.pointer_data);
  out.CText(unit.tag);
  out.U32(unit.reserved_after_tag);
  out.U32(unit.state);
  out.U32(unit.tab_order);
  out.U32(static_cast<std::uint32_t>(unit.bindings.size()));
  for (const auto& binding : unit.bindings) {
    out.I32(binding.event);
    out.U32(binding.handler_offset);
  }
  out.Raw(unit.reserved_tail);
  out.Raw(unit.property_data);
  return out.Take();
}

TemplateSegment ParseSegment(std::span<const std::uint8_t> segment) {
  ByteReader in(segment);
  const std::uint32_t table_length = in.U32();
  if (table_length % 8 != 0) throw MalformedData("a window table length that is not 8 per window");
  if (table_length > in.Remaining()) throw MalformedData("the window table runs past the end");
  const std::uint32_t count = table_length / 8;
  TemplateSegment windows(count);
  for (auto& window : windows) window.id = in.U32();
  in.Take(4 * std::size_t{count});  // the slots, filled only in memory
  for (auto& window : windows) window.record = ParseWindowRecord(in);
  in.ExpectEnd("the last window record");
  return windows;
}

ByteSet SerialiseSegment(const TemplateSegment& segment) {
  ByteWriter out;
  out.U32(static_cast<std::uint32_t>(8 * segment.size()));
  for (const auto& window : segment) out.U32(window.id);
  for (std::size_t i = 0; i < segment.size(); ++i) out.U32(0);
  for (const auto& window : segment) WriteWindowRecord(out, window.record);
  return out.Take();
}

}  // namespace vorlix::core
