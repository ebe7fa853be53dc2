#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/core/values/date_time.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// One handled row of a copy, move, delete or clipboard run, as the record
// of runs keeps it.
struct RecordEntry {
  core::Text source;
  core::Text target;                  // where it went, as finally named; empty when it went nowhere
  std::optional<std::uint64_t> size;  // the file's bytes before the run; none for a folder or no file
  bool succeeded = false;
  core::Text reason;  // why it failed
  std::string sha256;  // of the file as it arrived, read back; empty when not checked
};

// The record's lines (UTF-8 CSV): the heading of a new record, then one
// line per row with the time, the operation, the source, the target, the
// size, 成功 or 失败, the reason, and the SHA-256 of what arrived (last, so
// that a record begun before it had the column keeps its own order).
std::string RecordHeading();
std::string RecordLine(const core::CalendarTime& time, std::string_view operation, const RecordEntry& entry);

}  // namespace vorlix::app
