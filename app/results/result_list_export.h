#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// Writes every row of the result list, in its order, to a CSV file that
// the user names in the save dialog.
core::HandlerResult ExportResultList(std::span<const core::Value> arguments);

}  // namespace vorlix::app
