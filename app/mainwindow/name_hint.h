#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The grey hint over the empty name box: a press on it hides it; the box
// losing the focus while empty shows it again.
core::HandlerResult HideNameHint(std::span<const core::Value> arguments);
core::HandlerResult ShowNameHint(std::span<const core::Value> arguments);

}  // namespace vorlix::app
