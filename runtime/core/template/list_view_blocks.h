#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/core/template/property_value.h"

namespace vorlix::core {

// The two structured byte blocks of a list view's property data. Entries
// follow each other without padding.

struct ListViewColumn {
  std::uint8_t header_image_flag = 0;
  std::int32_t image = -1;      // -1 none
  std::int32_t alignment = 0;   // 0 left, 1 right, 2 centre
  std::int32_t width = 0;       // pixels
  Text header;

  bool operator==(const ListViewColumn&) const = default;
};

struct ListViewInitialEntry {
  // 0 starts a new row; anything else is the next column of the current row.
  std::uint8_t next_column = 0;
  std::int32_t image = -1;
  std::int32_t state_image = 0;
  std::int32_t indent = 0;
  std::int32_t item_data = 0;
  Text text;
  Text second_text;

  bool operator==(const ListViewInitialEntry&) const = default;
};

// Nothing when the block does not hold whole entries.
std::optional<std::vector<ListViewColumn>> ParseListViewColumns(const ByteSet& block);
ByteSet EmitListViewColumns(const std::vector<ListViewColumn>& columns);

std::optional<std::vector<ListViewInitialEntry>> ParseListViewInitialEntries(const ByteSet& block);
ByteSet EmitListViewInitialEntries(const std::vector<ListViewInitialEntry>& entries);

}  // namespace vorlix::core
