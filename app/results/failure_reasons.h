#pragma once

#include "runtime/commands/shell_file_commands.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// Why an item was not copied, moved or deleted, as the record of runs says
// it; empty for no failure.
core::Text FailureReason(commands::FileOperationFailure failure);

}  // namespace vorlix::app
