#pragma once

namespace vorlix::platform {

// Stops in an attached debugger; without one the system's default handling
// of a breakpoint applies.
void BreakIntoDebugger();

}  // namespace vorlix::platform
