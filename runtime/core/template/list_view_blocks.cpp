#include "runtime/core/template/list_view_blocks.h"

#include "runtime/core/template/byte_reader.h"
#include "runtime/core/template/byte_writer.h"

namespace vorlix::core {
namespace {

template <typename Entry, typename ReadEntry>
std::optional<std::vector<Entry>> ParseEntries(const ByteSet& block, ReadEntry read_entry) {
  ByteReader in(block);
  std::vector<Entry> entries;
  try {
    while (!in.AtEnd()) entries.push_back(read_entry(in));
  } catch (const MalformedData&) {
    return std::nullopt;
  }
  return entries;
}

}  // namespace

std::optional<std::vector<ListViewColumn>> ParseListViewColumns(const ByteSet& block) {
  return ParseEntries<ListViewColumn>(block, [](ByteReader& in) {
    ListViewColumn column;
    column.header_image_flag = in.U8();
    column.image = in.I32();
    column.alignment = in.I32();
    column.width = in.I32();
    column.header = in.CText();
    return column;
  });
}

ByteSet EmitListViewColumns(const std::vector<ListViewColumn>& columns) {
  ByteWriter out;
  for (const auto& column : columns) {
    out.U8(column.header_image_flag);
    out.I32(column.image);
    out.I32(column.alignment);
    out.I32(column.width);
    out.CText(column.header);
  }
  return out.Take();
}

std::optional<std::vector<ListViewInitialEntry>> ParseListViewInitialEntries(const ByteSet& block) {
  return ParseEntries<ListViewInitialEntry>(block, [](ByteReader& in) {
    ListViewInitialEntry entry;
    entry.next_column = in.U8();
    entry.image = in.I32();
    entry.state_image = in.I32();
    entry.indent = in.I32();
    entry.item_data = in.I32();
    entry.text = in.CText();
    entry.second_text = in.CText();
    return entry;
  });
}

ByteSet EmitListViewInitialEntries(const std::vector<ListViewInitialEntry>& entries) {
  ByteWriter out;
  for (const auto& entry : entries) {
    out.U8(entry.next_column);
    out.I32(entry.image);
    out.I32(entry.state_image);
    out.I32(entry.indent);
    out.I32(entry.item_data);
    out.CText(entry.text);
    out.CText(entry.second_text);
  }
  return out.Take();
}

}  // namespace vorlix::core
