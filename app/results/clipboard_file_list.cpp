#include "app/results/clipboard_file_list.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult CopyCheckedToClipboard(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
