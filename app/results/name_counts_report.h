#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// Writes how many files each name of the name box found to 名字查找统计.csv
// beside the program, and opens it.
core::HandlerResult WriteNameCounts(std::span<const core::Value> arguments);

}  // namespace vorlix::app
