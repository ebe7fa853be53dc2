#include "app/settings/settings_at_start.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult LoadSettingsAtStart(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
