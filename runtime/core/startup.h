#pragma once

namespace vorlix::core {

// Starts the runtime, builds the start window and runs the message loop
// until the last window is gone; returns the program's exit code.
int RunProgram();

}  // namespace vorlix::core
