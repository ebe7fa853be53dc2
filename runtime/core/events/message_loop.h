#pragma once

#include "platform/message_queue.h"

namespace vorlix::core {

// Runs the window thread's message loop until the quit message, doing idle
// work whenever the queue runs dry. Returns at once when no window of the
// program exists.
void RunMessageLoop();

// Dispatches the messages waiting now (handlers call this during long work
// to keep the windows alive); stops before a quit message, which stays for
// the message loop.
void ProcessPendingMessages();

// The runtime's pre-translation of every message the loop and
// ProcessPendingMessages take: keyboard handling and the common events.
void SetPreTranslateHook(platform::PreTranslateHook hook);

}  // namespace vorlix::core
