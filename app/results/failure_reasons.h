#pragma once

#include "runtime/commands/shell_file_commands.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// Why an item was not copied, moved or deleted, as the record of runs says
// it, with where the item is when that is not where the user would look;
// empty for no failure.
core::Text FailureReason(const commands::FileOperationOutcome& outcome);

}  // namespace vorlix::app
