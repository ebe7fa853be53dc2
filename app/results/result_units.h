#pragma once

#include "runtime/core/values/value.h"

namespace vorlix::app {

// The units that the result commands work on, as command arguments.
core::UnitReference ResultList();
core::UnitReference MainWindowItself();

}  // namespace vorlix::app
