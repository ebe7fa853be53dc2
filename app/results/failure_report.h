#pragma once

#include <string_view>
#include <vector>

#include "runtime/commands/shell_file_commands.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// The message that names the items an operation could not handle: the
// heading, then the first twenty paths one a line, then how many more
// there are.
core::Text FailureMessage(std::string_view heading, const std::vector<core::Text>& failed);

// How the message names an item that failed: its path, and for a whole
// drive or share, which is never handed to the shell, why.
core::Text FailedItem(const core::Text& path);
// The same, and for an item left alone for a link, or left where the user
// would not look for it, why and where it is.
core::Text FailedItem(const core::Text& path, const commands::FileOperationOutcome& outcome);

}  // namespace vorlix::app
