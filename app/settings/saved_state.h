#pragma once

#include <span>

#include "runtime/core/event_dispatch.h"

namespace vorlix::app {

// Saving the name list and the folders at close.
core::HandlerResult SaveStateAtClose(std::span<const core::Value> arguments);

}  // namespace vorlix::app
