#pragma once

#include <span>

#include "runtime/core/event_dispatch.h"

namespace vorlix::app {

// Putting the checked files on the clipboard.
core::HandlerResult CopyCheckedToClipboard(std::span<const core::Value> arguments);

}  // namespace vorlix::app
