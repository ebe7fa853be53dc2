#include "app/results/result_list_export.h"

#include <functional>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/results/csv_text.h"
#include "app/results/export_lines.h"
#include "app/results/result_units.h"
#include "app/results/rows_read_ahead.h"
#include "app/mainwindow/rows_progress.h"
#include "app/mainwindow/single_run.h"
#include "platform/whole_file.h"
#include "runtime/commands/file_facts_command.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/save_file_dialog_command.h"
#include "runtime/commands/unit_commands.h"
#include "texts.h"

namespace vorlix::app {
namespace {

bool exporting = false;

ExportRow RowToExport(std::string_view path, bool checked, const std::optional<commands::FileFacts>& facts) {
  ExportRow row{.path = core::Text(path), .checked = checked};
  if (facts) {
    if (!facts->is_folder) row.size = facts->size;
    row.modified = facts->modified;
  }
  return row;
}

// A piece of the file is written once it is this big: a million rows'
// lines are not held at once.
constexpr std::size_t kPieceBytes = 1 << 20;

bool WritePiece(platform::FileReplacement& file, std::string& piece) {
  const bool written = file.Write({reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()});
  piece.clear();
  return written;
}

// The rows and their checks are copied first, as they stand when the copy
// ends; each file's facts are then read ahead on threads, with the window
// answering, and the lines go to the file a piece at a time.
bool WriteExportedList(const core::Text& path) {
  const commands::RowsCopy rows = CopyRowsAnswering(ResultList(), 0);
  RowsProgress progress(texts::kExportWorking, rows.size());
  const std::function<void()> answer_events = [&progress] { progress.Done(0); };
  RowsReadAhead<std::optional<commands::FileFacts>> facts(
      rows.size(), [&rows](std::size_t row) { return commands::GetFileFacts(rows.Text(row)); });
  platform::FileReplacement file(path);
  std::string piece = std::string(kUtf8ByteOrderMark) + ExportHeading();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    piece += ExportLine(RowToExport(rows.Text(row), rows.Check(row) == 1, facts.Take(row, answer_events)));
    progress.Done(1);
    if (piece.size() >= kPieceBytes && !WritePiece(file, piece)) return false;
  }
  // Flushing what the file holds to the disk may take a while.
  return WritePiece(file, piece) && progress.AnswerWhile([&file] { return file.Commit(); });
}

}  // namespace

core::HandlerResult ExportResultList(std::span<const core::Value>) {
  const SingleRun run(exporting);
  if (!run.started()) return std::nullopt;
  const std::int32_t owner = commands::GetWindowHandle(MainWindowItself());
  const core::Text path = commands::ChooseSaveFile(owner, texts::kExportTitle, texts::kExportDefaultName,
                                                   texts::kExportFilter, "*.csv", "csv");
  if (path.empty()) return std::nullopt;
  if (!WriteExportedList(path)) {
    commands::MessageBox(core::Value(core::Text(texts::kExportNotWritten) + path), 0);
    return std::nullopt;
  }
  SetLabelCaption(main_window::标签_状态, core::Text(texts::kExportDone) + path);
  return std::nullopt;
}

}  // namespace vorlix::app
