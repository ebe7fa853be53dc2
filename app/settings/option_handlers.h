#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The option units: each click writes its settings key; the hover hints; the menu toggles of the move and delete buttons.
core::HandlerResult SaveFoldersClicked(std::span<const core::Value> arguments);
core::HandlerResult FolderNamesOnlyClicked(std::span<const core::Value> arguments);
core::HandlerResult SaveKeywordsClicked(std::span<const core::Value> arguments);
core::HandlerResult AutoRenameClicked(std::span<const core::Value> arguments);
core::HandlerResult ExactMatchClicked(std::span<const core::Value> arguments);
core::HandlerResult FuzzyMatchClicked(std::span<const core::Value> arguments);
core::HandlerResult ChosenFoldersClicked(std::span<const core::Value> arguments);
core::HandlerResult WholeComputerClicked(std::span<const core::Value> arguments);
core::HandlerResult OptionHint(std::span<const core::Value> arguments);
core::HandlerResult ToggleMoveButton(std::span<const core::Value> arguments);
core::HandlerResult ToggleDeleteButton(std::span<const core::Value> arguments);
// The entry 使用文件夹索引 of the folder list's menu: its check mark flips,
// and the key 使用文件夹索引 stores it.
core::HandlerResult ToggleFolderIndex(std::span<const core::Value> arguments);
// The entry 复制后校验: its check mark flips, and the key 复制后校验 stores it.
core::HandlerResult ToggleCopyCheck(std::span<const core::Value> arguments);

}  // namespace vorlix::app
