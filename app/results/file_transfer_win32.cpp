#include "app/results/file_transfer.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/results/checked_rows_run.h"
#include "app/results/failure_report.h"
#include "app/results/result_units.h"
#include "app/results/row_walk.h"
#include "app/results/shell_operations.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/unit_commands.h"
#include "runtime/core/text_format.h"
#include "texts.h"

namespace vorlix::app {
namespace {

namespace units = main_window;

struct TransferTexts {
  std::string_view working;
  std::string_view finished;
  std::string_view none_checked;
  std::string_view partly_done;  // with the count handed over and the count that failed
  std::string_view failed_heading;
};

constexpr TransferTexts kCopyTexts{texts::kCopyWorking, texts::kCopyFinished, texts::kCopyNoneChecked,
                                   texts::kCopyPartlyDone, texts::kCopyFailedHeading};
constexpr TransferTexts kMoveTexts{texts::kMoveWorking, texts::kMoveFinished, texts::kMoveNoneChecked,
                                   texts::kMovePartlyDone, texts::kMoveFailedHeading};

// Copies or moves the file of every checked row into a chosen folder, each
// with the rename option as it is at that moment; a row unchecked or gone
// by the time its turn comes is left out. The rows stay as they are. Every
// item's outcome is looked at; the end says how many failed and names them.
void TransferCheckedFiles(std::int32_t operation, const TransferTexts& words) {
  const CheckedRowsRun run;
  if (!run.started()) return;
  const std::int32_t owner = commands::GetWindowHandle(MainWindowItself());
  const core::Text target = ChooseFolder(owner, core::Text(texts::kChooseTargetFolder), true) + "\\";
  if (target == "\\") return;

  const core::UnitReference list = ResultList();
  const std::vector<CheckedRow> rows = CheckedRowsWithProgress(list, units::进度条1);
  std::int32_t done = 0;
  std::vector<core::Text> failed;
  for (const CheckedRow& row : rows) {
    SetLabelCaption(units::标签_状态, core::Text(words.working));
    KeepWindowAlive();
    const std::int32_t index = CheckedIndexNow(list, row);
    if (index < 0) continue;
    const core::Text path = commands::ListViewGetText(list, index, 0);
    const std::int32_t flags = IsChecked(units::选择框1) ? kRenameQuietly : kReplaceQuietly;
    if (!ShellFileOperation(0, operation, path, target, flags)) failed.push_back(FailedItem(path));
    SetProgressPosition(units::进度条1, ++done);
  }

  if (done == 0) {
    SetLabelCaption(units::标签_状态, core::Text(words.none_checked));
  } else if (failed.empty()) {
    SetLabelCaption(units::标签_状态, core::Text(words.finished));
  } else {
    SetLabelCaption(units::标签_状态,
                    core::FormatText(words.partly_done, static_cast<int>(done), static_cast<int>(failed.size())));
    commands::MessageBox(core::Value(FailureMessage(words.failed_heading, failed)), 0);
  }
}

}  // namespace

core::HandlerResult CopyCheckedFiles(std::span<const core::Value>) {
  TransferCheckedFiles(kCopyOperation, kCopyTexts);
  return std::nullopt;
}

core::HandlerResult MoveCheckedFiles(std::span<const core::Value>) {
  TransferCheckedFiles(kMoveOperation, kMoveTexts);
  return std::nullopt;
}

}  // namespace vorlix::app
