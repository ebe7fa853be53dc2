#include "app/results/transfer_run.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/results/byte_progress.h"
#include "app/results/checked_rows_run.h"
#include "app/results/copy_check_option.h"
#include "app/results/failure_reasons.h"
#include "app/results/failure_report.h"
#include "app/results/placed_items.h"
#include "app/results/result_units.h"
#include "app/results/row_walk.h"
#include "app/results/run_record.h"
#include "app/results/shell_operations.h"
#include "app/search/names/name_text.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/shell_file_commands.h"
#include "runtime/commands/unit_commands.h"
#include "runtime/core/values/text_format.h"
#include "texts.h"

namespace vorlix::app {
namespace {

namespace units = main_window;

core::Text PathIn(const core::Text& folder, const core::Text& path) {
  const std::string_view name = LastComponent(path, '\\', NameEncoding::kGbk);
  return EndsWithSeparator(folder, '\\', NameEncoding::kGbk) ? folder + core::Text(name)
                                                             : folder + '\\' + core::Text(name);
}

// Replacing what was in the target before the run is the rename option's
// to decide; what this run placed is never replaced: the later item takes
// a free name. A file that two rows name (it matched two keywords) is
// delivered once, and both rows say where it went.
RecordEntry TransferRow(std::int32_t operation, const Destination& destination, const core::Text& path,
                        PlacedItems& placed, commands::FileOperationOutcome& outcome) {
  RecordEntry entry{.source = path, .size = FileSizeForRecord(path)};
  if (!destination.refusal.empty()) {
    entry.reason = destination.refusal;
    return entry;
  }
  if (const std::optional<core::Text> landed = placed.LandedFrom(path, destination.folder)) {
    return {.source = path, .target = *landed, .size = entry.size, .succeeded = true};
  }
  const bool rename = IsChecked(units::选择框1) || placed.Meets(PathIn(destination.folder, path));
  entry.succeeded = ShellFileOperation(0, operation, path, destination.folder,
                                       rename ? kRenameQuietly : kReplaceQuietly, &outcome, CopyCheckOn());
  entry.target = outcome.landed_at;
  entry.reason = FailureReason(outcome);
  if (entry.succeeded) placed.Add(path, entry.target);
  return entry;
}

// The row's line; a file read back gives its SHA-256, and a folder whose
// files were read back a line for each of them after its own, so that each
// can be checked on its own with sha256sum or certutil.
void RecordRow(RunRecord& record, RecordEntry entry, const commands::FileOperationOutcome& outcome) {
  const bool file_itself = outcome.checked.size() == 1 && outcome.checked.front().relative.empty();
  if (file_itself) entry.sha256 = platform::HexOf(outcome.checked.front().sha256);
  record.Add(entry);
  if (file_itself) return;
  for (const platform::CheckedFile& file : outcome.checked) {
    record.Add({.source = entry.source + '\\' + file.relative,
                .target = entry.target + '\\' + file.relative,
                .size = file.size,
                .succeeded = true,
                .sha256 = platform::HexOf(file.sha256)});
  }
}

}  // namespace

TransferTexts CopyTexts(std::string_view record_operation) {
  return {texts::kCopyWorking,    texts::kCopyFinished,      texts::kCopyNoneChecked,
          texts::kCopyPartlyDone, texts::kCopyFailedHeading, record_operation};
}

TransferTexts MoveTexts(std::string_view record_operation) {
  return {texts::kMoveWorking,    texts::kMoveFinished,      texts::kMoveNoneChecked,
          texts::kMovePartlyDone, texts::kMoveFailedHeading, record_operation};
}

void TransferCheckedRows(std::int32_t operation, const TransferTexts& words, DestinationOf destination_of) {
  const CheckedRowsRun run;
  if (!run.started()) return;
  const std::int32_t owner = commands::GetWindowHandle(MainWindowItself());
  const core::Text target = ChooseFolder(owner, core::Text(texts::kChooseTargetFolder), true) + "\\";
  if (target == "\\") return;

  const core::UnitReference list = ResultList();
  const std::vector<CheckedRow> rows = CheckedRowsWithProgress(list, units::进度条1);
  std::optional<ByteProgress> bytes;
  if (CopyCheckOn()) bytes.emplace(list, rows, words.working);
  RunRecord record(words.record_operation);
  PlacedItems placed;
  std::int32_t done = 0;
  std::vector<core::Text> failed;
  for (std::size_t at = 0; at < rows.size(); ++at) {
    if (!bytes) SetLabelCaption(units::标签_状态, core::Text(words.working));
    KeepWindowAlive();
    const std::int32_t index = CheckedIndexNow(list, rows[at]);
    if (index < 0) continue;
    const core::Text path = RowPathOnDisk(list, index);
    commands::FileOperationOutcome outcome;
    const RecordEntry entry = TransferRow(operation, destination_of(target, index, path), path, placed, outcome);
    if (!entry.succeeded) failed.push_back(FailedItem(path, outcome));
    RecordRow(record, entry, outcome);
    ++done;
    if (bytes) bytes->RowDone(at);
    else SetProgressPosition(units::进度条1, done);
  }

  if (done == 0) {
    SetLabelCaption(units::标签_状态, core::Text(words.none_checked));
  } else if (failed.empty()) {
    SetLabelCaption(units::标签_状态, core::Text(words.finished));
    record.SayIfNotWritten();
  } else {
    SetLabelCaption(units::标签_状态,
                    core::FormatText(words.partly_done, static_cast<int>(done), static_cast<int>(failed.size())));
    commands::MessageBox(core::Value(record.WithWhereItIs(FailureMessage(words.failed_heading, failed))), 0);
  }
}

}  // namespace vorlix::app
