#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "app/results/record_lines.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// The record of one copy, move, delete or clipboard run: each checked row
// adds its line to 操作记录.csv beside the program as soon as it is
// handled, so the lines of the rows done stay when a run is cut short.
// Lines are only ever appended; a new file starts with the byte-order mark
// and the heading. A line that cannot be written does not stop the run;
// its end says so once.
class RunRecord {
 public:
  explicit RunRecord(std::string_view operation);

  void Add(const RecordEntry& entry);
  // Lines of rows handled in one step (a clipboard run's), in one write.
  void Add(std::span<const RecordEntry> entries);

  // The run's failure message, followed by where the record is, or by the
  // news that it could not be written.
  core::Text WithWhereItIs(const core::Text& message) const;
  // The run's message, followed, when some line could not be written, by
  // the news and where the record is.
  core::Text WithNoteIfNotWritten(const core::Text& message) const;
  // For the end of a run that shows no message: tells, when some line
  // could not be written, that the record is incomplete and where it is.
  void SayIfNotWritten() const;

 private:
  core::Text NotWrittenNote() const;

  std::string_view operation_;
  core::Text path_;
  bool failed_ = false;
};

// The bytes of the file at the path, as a record line gives them; none for
// a folder or when there is no file.
std::optional<std::uint64_t> FileSizeForRecord(const core::Text& path);

}  // namespace vorlix::app
