#pragma once

#include <array>
#include <string_view>

namespace vorlix::app {

// The application's handler table, in table order: the stored bindings of
// the main window name their handlers by place in this table. The table of
// routines (main_window_handler_table) follows it entry by entry.
inline constexpr std::array<std::string_view, 36> kMainWindowHandlerNames{
    // The window itself.
    "LoadSettingsAtStart", "SaveStateAtClose",
    // Search.
    "StartSearch", "RequestStop", "WriteNotFoundReport",
    // Search folders.
    "AddFolderFromDialog", "AddDroppedItems", "ShowFolderMenu",
    // Results.
    "ShowResultMenu", "OpenResultFile", "SortResultsByColumn", "CheckAllResults", "UncheckAllResults",
    "CopyCheckedFiles", "MoveCheckedFiles", "DeleteCheckedFiles", "CopyCheckedToClipboard",
    // Options: the click of each option unit writes its settings key.
    "SaveFoldersClicked", "FolderNamesOnlyClicked", "SaveKeywordsClicked", "AutoRenameClicked",
    "ExactMatchClicked", "FuzzyMatchClicked", "ChosenFoldersClicked", "WholeComputerClicked", "OptionHint",
    // The hint over the name box.
    "ShowNameHint", "HideNameHint",
    // Items of the folder list's popup menu.
    "RemoveCurrentFolder", "RemoveAllFolders", "CheckAllFolders", "UncheckAllFolders",
    // Items of the result list's popup menu.
    "OpenResultLocation", "CheckSelectedResults", "ToggleMoveButton", "ToggleDeleteButton",
};

}  // namespace vorlix::app
