#include "app/results/run_record.h"

#include "runtime/commands/file_append_command.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/file_facts_command.h"
#include "runtime/commands/local_time_command.h"
#include "runtime/commands/message_box_command.h"
#include "app/results/csv_text.h"
#include "texts.h"

namespace vorlix::app {
namespace {

commands::ByteSetView BytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

RunRecord::RunRecord(std::string_view operation)
    : operation_(operation), path_(commands::GetRunDirectory() + "\\" + core::Text(texts::kRecordFileName)) {}

void RunRecord::Add(const RecordEntry& entry) { Add(std::span(&entry, 1)); }

void RunRecord::Add(std::span<const RecordEntry> entries) {
  if (entries.empty()) return;
  const std::string start = std::string(kUtf8ByteOrderMark) + RecordHeading();
  const auto now = commands::LocalTimeNow();
  std::string lines;
  for (const RecordEntry& entry : entries) lines += RecordLine(now, operation_, entry);
  if (!commands::AppendFile(path_, BytesOf(start), BytesOf(lines))) failed_ = true;
}

core::Text RunRecord::WithWhereItIs(const core::Text& message) const {
  return message + "\r\n\r\n" + (failed_ ? NotWrittenNote() : core::Text(texts::kRecordWhere) + path_);
}

core::Text RunRecord::WithNoteIfNotWritten(const core::Text& message) const {
  return failed_ ? message + "\r\n\r\n" + NotWrittenNote() : message;
}

void RunRecord::SayIfNotWritten() const {
  if (failed_) commands::MessageBox(core::Value(NotWrittenNote()), 0);
}

core::Text RunRecord::NotWrittenNote() const { return core::Text(texts::kRecordNotWritten) + path_; }

std::optional<std::uint64_t> FileSizeForRecord(const core::Text& path) {
  const std::optional<commands::FileFacts> facts = commands::GetFileFactsWithoutTime(path);
  if (!facts || facts->is_folder) return std::nullopt;
  return facts->size;
}

}  // namespace vorlix::app
