#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// Deleting the checked files to the recycle bin.
core::HandlerResult DeleteCheckedFiles(std::span<const core::Value> arguments);

}  // namespace vorlix::app
