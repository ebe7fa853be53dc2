#pragma once

#include <span>

#include "runtime/core/event_dispatch.h"

namespace vorlix::app {

// The search-folder list: adding folders, its popup menu and its items.
core::HandlerResult AddFolderFromDialog(std::span<const core::Value> arguments);
core::HandlerResult AddDroppedItems(std::span<const core::Value> arguments);
core::HandlerResult ShowFolderMenu(std::span<const core::Value> arguments);
core::HandlerResult RemoveCurrentFolder(std::span<const core::Value> arguments);
core::HandlerResult RemoveAllFolders(std::span<const core::Value> arguments);
core::HandlerResult CheckAllFolders(std::span<const core::Value> arguments);
core::HandlerResult UncheckAllFolders(std::span<const core::Value> arguments);

}  // namespace vorlix::app
