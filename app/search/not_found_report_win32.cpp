#include "app/search/not_found_report.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/rows_progress.h"
#include "app/mainwindow/single_run.h"
#include "app/search/names/found_names.h"
#include "app/search/names/name_list.h"
#include "app/search/search_run.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/shell_commands.h"
#include "texts.h"

namespace vorlix::app {
namespace {

using namespace main_window;

bool reporting = false;

// The names that no row's own name matches under the rule of the search
// that gave the rows, each followed by CR LF.
core::Text ReportText(const std::vector<core::Text>& names) {
  FoundNames found(names, RuleOfShownRows(), NameEncoding::kGbk);
  {
    const commands::RowsCopy rows = CopyRowsAnswering(MainWindowList(超级列表框1), 0);
    RowsProgress progress(texts::kNotFoundWorking, rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
      found.AddRow(rows.Text(row), '\\');
      progress.Done(1);
    }
  }
  core::Text report;
  for (const std::size_t missing : found.NotFound()) report.append(names[missing]).append("\r\n");
  return report;
}

}  // namespace

// The report is written anew at every click from the names in the box now
// and the rows now in the list. An old report is never opened as if it
// were current: when the new one cannot be written, the user is told where.
core::HandlerResult WriteNotFoundReport(std::span<const core::Value>) {
  const SingleRun run(reporting);
  if (!run.started()) return std::nullopt;
  const core::Text report = ReportText(NameBoxLines(EditBoxContent(编辑框_文件名)));
  const core::Text path = commands::GetRunDirectory() + "\\" + core::Text(texts::kNotFoundReportName);
  const auto bytes = reinterpret_cast<const std::uint8_t*>(report.data());
  if (!commands::WriteFile(path, {commands::ByteSetView(bytes, report.size())})) {
    commands::MessageBox(core::Value(core::Text(texts::kNotFoundReportNotWritten) + path), 0);
    return std::nullopt;
  }
  commands::ShellOpen(std::nullopt, path);
  return std::nullopt;
}

}  // namespace vorlix::app
