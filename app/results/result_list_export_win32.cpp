#include "app/results/result_list_export.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/results/csv_text.h"
#include "app/results/export_lines.h"
#include "app/results/result_units.h"
#include "app/mainwindow/rows_progress.h"
#include "app/mainwindow/single_run.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/file_facts_command.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/save_file_dialog_command.h"
#include "runtime/commands/unit_commands.h"
#include "texts.h"

namespace vorlix::app {
namespace {

bool exporting = false;

ExportRow RowToExport(std::string_view path, bool checked) {
  ExportRow row{.path = core::Text(path), .checked = checked};
  if (const std::optional<commands::FileFacts> facts = commands::GetFileFacts(row.path)) {
    if (!facts->is_folder) row.size = facts->size;
    row.modified = facts->modified;
  }
  return row;
}

// The rows and their checks are copied first, as they stand when the copy
// ends; each file's facts are then read with the window answering.
std::string ExportedList() {
  const commands::RowsCopy rows = CopyRowsAnswering(ResultList(), 0);
  RowsProgress progress(texts::kExportWorking, rows.size());
  std::string file = std::string(kUtf8ByteOrderMark) + ExportHeading();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    file += ExportLine(RowToExport(rows.Text(row), rows.Check(row) == 1));
    progress.Done(1);
  }
  return file;
}

}  // namespace

core::HandlerResult ExportResultList(std::span<const core::Value>) {
  const SingleRun run(exporting);
  if (!run.started()) return std::nullopt;
  const std::int32_t owner = commands::GetWindowHandle(MainWindowItself());
  const core::Text path = commands::ChooseSaveFile(owner, texts::kExportTitle, texts::kExportDefaultName,
                                                   texts::kExportFilter, "*.csv", "csv");
  if (path.empty()) return std::nullopt;
  const std::string file = ExportedList();
  const auto bytes = reinterpret_cast<const std::uint8_t*>(file.data());
  if (!commands::ReplaceFileContent(path, commands::ByteSetView(bytes, file.size()))) {
    commands::MessageBox(core::Value(core::Text(texts::kExportNotWritten) + path), 0);
    return std::nullopt;
  }
  SetLabelCaption(main_window::标签_状态, core::Text(texts::kExportDone) + path);
  return std::nullopt;
}

}  // namespace vorlix::app
