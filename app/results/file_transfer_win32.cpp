#include "app/results/file_transfer.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult CopyCheckedFiles(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult MoveCheckedFiles(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
