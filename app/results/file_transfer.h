#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// Copying and moving the checked files into a chosen folder.
core::HandlerResult CopyCheckedFiles(std::span<const core::Value> arguments);
core::HandlerResult MoveCheckedFiles(std::span<const core::Value> arguments);

}  // namespace vorlix::app
