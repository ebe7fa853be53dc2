#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The main window's start-up handler: drop target, settings, saved state.
core::HandlerResult LoadSettingsAtStart(std::span<const core::Value> arguments);

}  // namespace vorlix::app
