#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// Every handler that the main window's events are bound to; the stored
// bindings name them by offset into this table.
std::span<const core::Handler> HandlerTable();

}  // namespace vorlix::app
