#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The result list's own commands: its popup menu, opening, sorting, checking.
core::HandlerResult ShowResultMenu(std::span<const core::Value> arguments);
core::HandlerResult OpenResultFile(std::span<const core::Value> arguments);
core::HandlerResult SortResultsByColumn(std::span<const core::Value> arguments);
core::HandlerResult CheckAllResults(std::span<const core::Value> arguments);
core::HandlerResult UncheckAllResults(std::span<const core::Value> arguments);
core::HandlerResult OpenResultLocation(std::span<const core::Value> arguments);
core::HandlerResult CheckSelectedResults(std::span<const core::Value> arguments);

}  // namespace vorlix::app
