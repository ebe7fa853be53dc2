#include "app/results/checked_file_deletion.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult DeleteCheckedFiles(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
