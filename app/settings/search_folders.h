#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The search-folder list: adding folders, its popup menu and its items.
core::HandlerResult AddFolderFromDialog(std::span<const core::Value> arguments);
core::HandlerResult AddDroppedItems(std::span<const core::Value> arguments);
core::HandlerResult ShowFolderMenu(std::span<const core::Value> arguments);
core::HandlerResult RemoveCurrentFolder(std::span<const core::Value> arguments);
core::HandlerResult RemoveAllFolders(std::span<const core::Value> arguments);
core::HandlerResult CheckAllFolders(std::span<const core::Value> arguments);
core::HandlerResult UncheckAllFolders(std::span<const core::Value> arguments);

// Inserts the path as a checked row at the position (0 the top), without
// its closing backslash, so that D:\ becomes D:. Nothing is tested: not
// whether the folder exists, nor whether the list holds it already.
void AddPathRow(std::string_view path, std::int32_t position = 0);

}  // namespace vorlix::app
