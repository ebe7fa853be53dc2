#include "app/mainwindow/window_lifetime.h"

#include "runtime/core/state/runtime_state.h"

namespace vorlix::app {

bool MainWindowOpen() { return core::WindowIsOpen(core::kMainWindowId); }

void StopIfMainWindowClosed() {
  if (!MainWindowOpen()) throw MainWindowClosed{};
}

}  // namespace vorlix::app
