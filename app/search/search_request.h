#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The search button and the stop button.
core::HandlerResult StartSearch(std::span<const core::Value> arguments);
core::HandlerResult RequestStop(std::span<const core::Value> arguments);

// True once the stop button has been clicked since the last search request:
// its caption then reads "已停止". Window thread only.
bool IsStopRequested();

}  // namespace vorlix::app
