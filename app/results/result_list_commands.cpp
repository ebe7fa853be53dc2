#include "app/results/result_list_commands.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult ShowResultMenu(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult OpenResultFile(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult SortResultsByColumn(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult CheckAllResults(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult UncheckAllResults(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult OpenResultLocation(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult CheckSelectedResults(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
