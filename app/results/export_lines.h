#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/core/values/date_time.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// One row of the result list as the exported list holds it.
struct ExportRow {
  core::Text path;
  std::optional<std::uint64_t> size;           // none for a folder or no file
  std::optional<core::CalendarTime> modified;  // none when there is no item
  bool checked = false;
};

// The exported list's lines (UTF-8 CSV): the column names, then per row
// the path, the row's own name (the last component of its path), the
// size, the modified time and 是 or 否 for its check mark.
std::string ExportHeading();
std::string ExportLine(const ExportRow& row);

}  // namespace vorlix::app
