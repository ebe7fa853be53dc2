#pragma once

namespace vorlix::app {

// Starts the runtime, creates the global arrays (freed by the exit
// routine), loads the main window and runs the message loop; returns 0
// once the loop has ended.
int StartRoutine();

}  // namespace vorlix::app
