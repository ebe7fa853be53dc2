#include "app/results/result_list_commands.h"

#include "app/mainwindow/external_function_declarations.h"
#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/results/list_view_sorting.h"
#include "app/results/result_units.h"
#include "app/results/row_walk.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/shell_commands.h"
#include "runtime/commands/shell_file_commands.h"
#include "runtime/commands/unit_commands.h"
#include "runtime/core/program/external_functions.h"

namespace vorlix::app {

// Moving keeping the folders is a move: the entry is greyed while the move
// button is disabled.
core::HandlerResult ShowResultMenu(std::span<const core::Value>) {
  SetMenuItemEnabled(main_window::menu::移动勾选文件_保留目录结构, IsEnabled(main_window::按钮5));
  commands::PopupMenu(MainWindowItself(), {core::kMainWindowId, main_window::menu::定位, core::type_codes::kMenu});
  return std::nullopt;
}

// Without a current row the empty text goes to the shell as it is.
core::HandlerResult OpenResultFile(std::span<const core::Value>) {
  const std::int32_t row = CurrentRow(main_window::超级列表框1);
  const core::Text path = row == -1 ? core::Text() : RowPathOnDisk(ResultList(), row);
  commands::OpenWebPage(path);
  return std::nullopt;
}

// Each header click flips the direction, whichever column it is on; the
// direction starts ascending, so the first click sorts descending.
core::HandlerResult SortResultsByColumn(std::span<const core::Value> arguments) {
  const std::int32_t* column = arguments.empty() ? nullptr : arguments[0].get_if<std::int32_t>();
  if (column == nullptr) return std::nullopt;
  SetChecked(main_window::选择框3, !IsChecked(main_window::选择框3));
  SortListView(ResultList(), *column, true, IsChecked(main_window::选择框3));
  return std::nullopt;
}

core::HandlerResult CheckAllResults(std::span<const core::Value>) {
  SetEveryCheck(main_window::超级列表框1, 1);
  return std::nullopt;
}

core::HandlerResult UncheckAllResults(std::span<const core::Value>) {
  SetEveryCheck(main_window::超级列表框1, 0);
  return std::nullopt;
}

core::HandlerResult OpenResultLocation(std::span<const core::Value>) {
  const std::int32_t row = CurrentRow(main_window::超级列表框1);
  if (row == -1) return std::nullopt;
  const core::Text path = RowPathOnDisk(ResultList(), row);
  if (!commands::FileExists(path)) return std::nullopt;
  commands::ShellShowInFolder({.item_of_path = core::ExternalFunctionEntry(kIlCreateFromPathW),
                               .open_folder = core::ExternalFunctionEntry(kShOpenFolderAndSelectItems),
                               .free_item = core::ExternalFunctionEntry(kIlFree)},
                              path);
  return std::nullopt;
}

core::HandlerResult CheckSelectedResults(std::span<const core::Value>) {
  commands::ListViewSetEveryCheck(ResultList(), 1, true);
  return std::nullopt;
}

}  // namespace vorlix::app
