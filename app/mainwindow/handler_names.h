#pragma once

#include <array>
#include <string_view>

namespace vorlix::app {

// The application's handler table, in table order: the main window's
// description binds events to these names, and HandlerTable() holds the
// routines in the same order.
inline constexpr std::array<std::string_view, 43> kHandlerNames{
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
    "CopyCheckedKeepingFolders", "MoveCheckedKeepingFolders", "WriteNameCounts", "ExportResultList",
    // Items of the folder index's popup, shown after the folder list's; the
    // last is the check of copies.
    "ToggleFolderIndex", "ClearFolderIndex", "ToggleCopyCheck",
};

}  // namespace vorlix::app
