#pragma once

namespace vorlix::core {

// Turns what the runtime's windows report into events and bookkeeping: a
// timer's tick raises its event 0; a window finally gone is forgotten, and
// when it was the last one the message loop is asked to end; an end request
// from another thread ends the program. It also makes the message loop
// pre-translate with the runtime's input handling. Idempotent.
void InstallWindowNoticeHandling();

}  // namespace vorlix::core
