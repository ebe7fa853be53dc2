#pragma once

#include "runtime/core/template/program_header.h"

namespace vorlix::app {

// What this program carries for the runtime: its handler table, its window
// definitions, its support libraries and its external functions.
const core::ProgramHeader& ApplicationHeader();

}  // namespace vorlix::app
