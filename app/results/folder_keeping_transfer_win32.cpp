#include "app/results/folder_keeping_transfer.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/results/kept_folder_path.h"
#include "app/results/result_units.h"
#include "app/results/shell_operations.h"
#include "app/results/transfer_run.h"
#include "app/search/row_sources.h"
#include "runtime/commands/file_append_command.h"
#include "runtime/commands/file_facts_command.h"
#include "runtime/commands/list_view_commands.h"
#include "texts.h"

namespace vorlix::app {
namespace {

// The folders below the target are made only for an item that is there:
// one that has gone leaves no empty folders behind, and the shell
// operation says that it has gone.
Destination KeptDestination(const core::Text& target, std::int32_t index, const core::Text& path) {
  const core::Text* root = RootOfRowTag(commands::ListViewGetItemData(ResultList(), index));
  const std::optional<core::Text> folder = root ? KeptFolderFor(path, *root, target) : std::nullopt;
  if (!folder) return {{}, core::Text(texts::kNotBelowRoot)};
  if (commands::GetFileFacts(path) && !commands::MakeFolders(*folder)) {
    return {{}, core::Text(texts::kTargetFolderNotMade) + *folder};
  }
  return {*folder, {}};
}

}  // namespace

core::HandlerResult CopyCheckedKeepingFolders(std::span<const core::Value>) {
  TransferCheckedRows(kCopyOperation, CopyTexts(texts::kOperationCopyKeepingFolders), KeptDestination);
  return std::nullopt;
}

// Like the move button, which the user may have disabled against mistakes.
core::HandlerResult MoveCheckedKeepingFolders(std::span<const core::Value>) {
  if (!IsEnabled(main_window::按钮5)) return std::nullopt;
  TransferCheckedRows(kMoveOperation, MoveTexts(texts::kOperationMoveKeepingFolders), KeptDestination);
  return std::nullopt;
}

}  // namespace vorlix::app
