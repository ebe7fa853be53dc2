#pragma once

#include <optional>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// Lets the user choose a folder (and, when include files is true, a file)
// in the shell's dialog, with the title as its prompt. Every window of the
// program is disabled while the dialog shows and is afterwards enabled again
// unless it was disabled before. Gives the chosen item's path, empty on
// cancel or for an item without a file-system path.
core::Text BrowseForFolder(const core::Text& title, std::optional<bool> include_files = std::nullopt);

}  // namespace vorlix::commands
