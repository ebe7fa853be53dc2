#include "app/search/search_request.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult StartSearch(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult RequestStop(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
