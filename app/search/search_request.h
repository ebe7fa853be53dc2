#pragma once

#include <span>

#include "runtime/core/event_dispatch.h"

namespace vorlix::app {

// The search button and the stop button.
core::HandlerResult StartSearch(std::span<const core::Value> arguments);
core::HandlerResult RequestStop(std::span<const core::Value> arguments);

}  // namespace vorlix::app
