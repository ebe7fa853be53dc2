#include "app/search/not_found_report.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult WriteNotFoundReport(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
