#include "app/mainwindow/handler_table.h"

#include <array>
#include <string_view>

#include "app/mainwindow/handler_names.h"
#include "app/mainwindow/name_hint.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/results/checked_file_deletion.h"
#include "app/results/clipboard_file_list.h"
#include "app/results/file_transfer.h"
#include "app/results/folder_keeping_transfer.h"
#include "app/results/name_counts_report.h"
#include "app/results/result_list_export.h"
#include "app/results/result_list_commands.h"
#include "app/search/folder_index_use.h"
#include "app/search/not_found_report.h"
#include "app/search/search_request.h"
#include "app/settings/option_handlers.h"
#include "app/settings/saved_state.h"
#include "app/settings/search_folders.h"
#include "app/settings/settings_at_start.h"

namespace vorlix::app {
namespace {

// Each routine is entered through Guarded, so that one stopped by the main
// window closing under it ends there.
struct NamedHandler {
  std::string_view name;
  core::Handler routine;
};

constexpr NamedHandler kNamedHandlers[] = {
    {"LoadSettingsAtStart", Guarded<LoadSettingsAtStart>},
    {"SaveStateAtClose", Guarded<SaveStateAtClose>},
    {"StartSearch", Guarded<StartSearch>},
    {"RequestStop", Guarded<RequestStop>},
    {"WriteNotFoundReport", Guarded<WriteNotFoundReport>},
    {"AddFolderFromDialog", Guarded<AddFolderFromDialog>},
    {"AddDroppedItems", Guarded<AddDroppedItems>},
    {"ShowFolderMenu", Guarded<ShowFolderMenu>},
    {"ShowResultMenu", Guarded<ShowResultMenu>},
    {"OpenResultFile", Guarded<OpenResultFile>},
    {"SortResultsByColumn", Guarded<SortResultsByColumn>},
    {"CheckAllResults", Guarded<CheckAllResults>},
    {"UncheckAllResults", Guarded<UncheckAllResults>},
    {"CopyCheckedFiles", Guarded<CopyCheckedFiles>},
    {"MoveCheckedFiles", Guarded<MoveCheckedFiles>},
    {"DeleteCheckedFiles", Guarded<DeleteCheckedFiles>},
    {"CopyCheckedToClipboard", Guarded<CopyCheckedToClipboard>},
    {"SaveFoldersClicked", Guarded<SaveFoldersClicked>},
    {"FolderNamesOnlyClicked", Guarded<FolderNamesOnlyClicked>},
    {"SaveKeywordsClicked", Guarded<SaveKeywordsClicked>},
    {"AutoRenameClicked", Guarded<AutoRenameClicked>},
    {"ExactMatchClicked", Guarded<ExactMatchClicked>},
    {"FuzzyMatchClicked", Guarded<FuzzyMatchClicked>},
    {"ChosenFoldersClicked", Guarded<ChosenFoldersClicked>},
    {"WholeComputerClicked", Guarded<WholeComputerClicked>},
    {"OptionHint", Guarded<OptionHint>},
    {"ShowNameHint", Guarded<ShowNameHint>},
    {"HideNameHint", Guarded<HideNameHint>},
    {"RemoveCurrentFolder", Guarded<RemoveCurrentFolder>},
    {"RemoveAllFolders", Guarded<RemoveAllFolders>},
    {"CheckAllFolders", Guarded<CheckAllFolders>},
    {"UncheckAllFolders", Guarded<UncheckAllFolders>},
    {"OpenResultLocation", Guarded<OpenResultLocation>},
    {"CheckSelectedResults", Guarded<CheckSelectedResults>},
    {"ToggleMoveButton", Guarded<ToggleMoveButton>},
    {"ToggleDeleteButton", Guarded<ToggleDeleteButton>},
    {"CopyCheckedKeepingFolders", Guarded<CopyCheckedKeepingFolders>},
    {"MoveCheckedKeepingFolders", Guarded<MoveCheckedKeepingFolders>},
    {"WriteNameCounts", Guarded<WriteNameCounts>},
    {"ExportResultList", Guarded<ExportResultList>},
    {"ToggleFolderIndex", Guarded<ToggleFolderIndex>},
    {"ClearFolderIndex", Guarded<ClearFolderIndex>},
    {"ToggleCopyCheck", Guarded<ToggleCopyCheck>},
};

// The stored bindings count entries by place, so a routine out of place
// would run for another handler's events: checked when the program is built.
constexpr bool FollowsTheNames() {
  if (std::size(kNamedHandlers) != kHandlerNames.size()) return false;
  for (std::size_t i = 0; i < kHandlerNames.size(); ++i) {
    if (kNamedHandlers[i].name != kHandlerNames[i]) return false;
  }
  return true;
}
static_assert(FollowsTheNames(), "the handler table must list its routines in the order of kHandlerNames");

constexpr auto kHandlers = [] {
  std::array<core::Handler, kHandlerNames.size()> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = kNamedHandlers[i].routine;
  return table;
}();

}  // namespace

std::span<const core::Handler> HandlerTable() { return kHandlers; }

}  // namespace vorlix::app
