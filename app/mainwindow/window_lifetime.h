#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The main window can be closed while a long handler (the file search, a
// copy, move or delete) processes pending events: Esc and the close box are
// honoured then. Its units are gone afterwards, so such a handler must not
// go on. It stops through MainWindowClosed, which unwinds it back to its
// entry in the handler table; the destroy handler has run by then.
struct MainWindowClosed {};

bool MainWindowOpen();

// Throws MainWindowClosed once the main window has gone.
void StopIfMainWindowClosed();

// What long work on the window thread calls between its steps: processes
// the pending events, then stops the handler (MainWindowClosed) when they
// closed the window. Not for a worker thread, whose routine has no table
// entry to end at.
void KeepWindowAlive();

// The table entry of a handler: runs it, and ends it quietly when it
// stopped because the main window went away under it.
template <core::Handler Routine>
core::HandlerResult Guarded(std::span<const core::Value> arguments) {
  try {
    return Routine(arguments);
  } catch (const MainWindowClosed&) {
    return std::nullopt;
  }
}

}  // namespace vorlix::app
