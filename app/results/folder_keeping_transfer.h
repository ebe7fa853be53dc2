#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// Copying and moving the checked items into a chosen folder, each at its
// path below the search root that found it, so that the folders come
// along and items of one name from different folders never meet.
core::HandlerResult CopyCheckedKeepingFolders(std::span<const core::Value> arguments);
core::HandlerResult MoveCheckedKeepingFolders(std::span<const core::Value> arguments);

}  // namespace vorlix::app
