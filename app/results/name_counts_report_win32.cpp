#include "app/results/name_counts_report.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/results/name_counts_file.h"
#include "app/results/result_units.h"
#include "app/mainwindow/rows_progress.h"
#include "app/mainwindow/single_run.h"
#include "app/search/names/name_counts.h"
#include "app/search/names/name_list.h"
#include "app/search/search_run.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/shell_commands.h"
#include "texts.h"

namespace vorlix::app {
namespace {

bool counting = false;

}  // namespace

// The names are read as the not-found report reads them, at the click, and
// judged by the rule of the search that gave the rows. The file is written
// anew whole, never opened half written or old: when it cannot be written,
// or written but not opened, the user is told where.
core::HandlerResult WriteNameCounts(std::span<const core::Value>) {
  const SingleRun run(counting);
  if (!run.started()) return std::nullopt;
  const std::vector<core::Text> names = NameBoxLines(EditBoxContent(main_window::编辑框_文件名));
  NameCounts counts(names, RuleOfShownRows(), NameEncoding::kGbk, kCountsPathsShown);
  {
    const commands::RowsCopy rows = CopyRowsAnswering(ResultList(), 0);
    RowsProgress progress(texts::kCountsWorking, rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
      counts.AddRow(rows.Text(row), '\\');
      progress.Done(1);
    }
  }

  const std::string file = NameCountsFile(names, counts.counts(), SuggestionsOfShownRows());
  const core::Text path = commands::GetRunDirectory() + "\\" + core::Text(texts::kCountsFileName);
  const auto bytes = reinterpret_cast<const std::uint8_t*>(file.data());
  if (!commands::ReplaceFileContent(path, commands::ByteSetView(bytes, file.size()))) {
    commands::MessageBox(core::Value(core::Text(texts::kCountsNotWritten) + path), 0);
    return std::nullopt;
  }
  // With no program for .csv files nothing opens; the status line then
  // says where the file is, as the export says where it wrote.
  if (!commands::OpenDocument(path)) SetLabelCaption(main_window::标签_状态, core::Text(texts::kCountsWritten) + path);
  return std::nullopt;
}

}  // namespace vorlix::app
