#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The button that writes and opens the list of names not found.
core::HandlerResult WriteNotFoundReport(std::span<const core::Value> arguments);

}  // namespace vorlix::app
