#include "app/results/record_lines.h"

#include <array>

#include "app/results/csv_text.h"
#include "texts.h"

namespace vorlix::app {

std::string RecordHeading() {
  const std::array<core::Text, 8> columns{
      core::Text(texts::kRecordColumnTime),   core::Text(texts::kRecordColumnOperation),
      core::Text(texts::kRecordColumnSource), core::Text(texts::kRecordColumnTarget),
      core::Text(texts::kRecordColumnSize),   core::Text(texts::kRecordColumnResult),
      core::Text(texts::kRecordColumnReason), core::Text(texts::kRecordColumnSha256)};
  return CsvLine(columns);
}

std::string RecordLine(const core::CalendarTime& time, std::string_view operation, const RecordEntry& entry) {
  const std::array<core::Text, 8> fields{
      TimeText(time),
      core::Text(operation),
      entry.source,
      entry.target,
      entry.size ? std::to_string(*entry.size) : core::Text(),
      core::Text(entry.succeeded ? texts::kResultSucceeded : texts::kResultFailed),
      entry.reason,
      entry.sha256};
  return CsvLine(fields);
}

}  // namespace vorlix::app
