#include "app/results/checked_file_deletion.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/results/checked_rows_run.h"
#include "app/results/failure_reasons.h"
#include "app/results/failure_report.h"
#include "app/results/result_units.h"
#include "app/results/row_walk.h"
#include "app/results/run_record.h"
#include "app/results/shell_operations.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/core/values/text_format.h"
#include "texts.h"

namespace vorlix::app {
namespace {

namespace units = main_window;

constexpr std::int32_t kOkAndCancel = 1;

// Deletes one item and records how it went.
bool DeleteRecorded(const core::Text& path, RunRecord& record, commands::FileOperationOutcome& outcome) {
  RecordEntry entry{.source = path, .size = FileSizeForRecord(path)};
  entry.succeeded = ShellFileOperation(0, kDeleteOperation, path, core::Text(), kDeleteToRecycleBin, &outcome);
  entry.reason = FailureReason(outcome);
  record.Add(entry);
  return entry.succeeded;
}

}  // namespace

// Deletes the file of every checked row after one question, then removes
// the rows whose files are gone. A file that is still there (in use,
// access denied) keeps its row and its check mark, and the end names it.
core::HandlerResult DeleteCheckedFiles(std::span<const core::Value>) {
  const CheckedRowsRun run;
  if (!run.started()) return std::nullopt;
  const core::Text title(texts::kDeleteQuestionTitle);
  if (commands::MessageBox(core::Value(texts::kDeleteQuestion), kOkAndCancel, title) != 0) {
    return std::nullopt;
  }

  const core::UnitReference list = ResultList();
  const std::vector<CheckedRow> rows = CheckedRowsWithProgress(list, units::进度条1);
  RunRecord record(texts::kOperationDelete);
  std::int32_t deleted = 0;
  std::vector<commands::ListViewRowId> gone;
  std::vector<core::Text> failed;
  for (const CheckedRow& row : rows) {
    KeepWindowAlive();
    SetLabelCaption(units::标签_状态, core::Text(texts::kDeleteWorking));
    const std::int32_t index = CheckedIndexNow(list, row);
    if (index < 0) continue;
    const core::Text path = RowPathOnDisk(list, index);
    commands::FileOperationOutcome outcome;
    if (DeleteRecorded(path, record, outcome)) {
      gone.push_back(row.id);
    } else {
      failed.push_back(FailedItem(path, outcome));
    }
    ++deleted;
  }
  commands::ListViewDeleteRows(list, gone);
  SetProgressPosition(units::进度条1, static_cast<std::int32_t>(gone.size()));

  if (deleted == 0) {
    commands::MessageBox(core::Value(texts::kDeleteNoneChecked), 0);
  } else if (failed.empty()) {
    SetLabelCaption(units::标签_状态, core::Text(texts::kDeleteFinished));
    record.SayIfNotWritten();
  } else {
    SetLabelCaption(units::标签_状态, core::FormatText(texts::kDeletePartlyDone, static_cast<int>(deleted),
                                                       static_cast<int>(failed.size())));
    commands::MessageBox(core::Value(record.WithWhereItIs(FailureMessage(texts::kDeleteFailedHeading, failed))), 0);
  }
  return std::nullopt;
}

}  // namespace vorlix::app
