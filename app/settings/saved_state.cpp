#include "app/settings/saved_state.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult SaveStateAtClose(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
