#include "app/mainwindow/window_lifetime.h"
#include "runtime/commands/event_commands.h"

namespace vorlix::app {

void KeepWindowAlive() {
  commands::ProcessEvents();
  StopIfMainWindowClosed();
}

}  // namespace vorlix::app
