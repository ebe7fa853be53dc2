#include "app/results/result_list_export.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/results/csv_text.h"
#include "app/results/export_lines.h"
#include "app/results/result_units.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/file_facts_command.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/save_file_dialog_command.h"
#include "runtime/commands/unit_commands.h"
#include "texts.h"

namespace vorlix::app {
namespace {

ExportRow RowToExport(const core::UnitReference& list, std::int32_t index) {
  ExportRow row{.path = commands::ListViewGetText(list, index, 0),
                .checked = commands::ListViewGetCheck(list, index) == 1};
  if (const std::optional<commands::FileFacts> facts = commands::GetFileFacts(row.path)) {
    if (!facts->is_folder) row.size = facts->size;
    row.modified = facts->modified;
  }
  return row;
}

// Rows and checks are only read; nothing runs in between, so the file
// holds the list as it stood at the click.
std::string ExportedList() {
  const core::UnitReference list = ResultList();
  std::string file = std::string(kUtf8ByteOrderMark) + ExportHeading();
  const std::int32_t rows = commands::ListViewGetCount(list);
  for (std::int32_t index = 0; index < rows; ++index) file += ExportLine(RowToExport(list, index));
  return file;
}

}  // namespace

core::HandlerResult ExportResultList(std::span<const core::Value>) {
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
