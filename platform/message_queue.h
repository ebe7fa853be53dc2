#pragma once

#include <cstdint>

namespace vorlix::platform {

// A message of the window thread's queue, as the runtime's pre-translation
// sees it.
struct WindowMessage {
  std::uintptr_t window = 0;  // the native window it is for; 0 for a thread message
  std::uint32_t message = 0;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;
  std::uint32_t time = 0;
  // Screen position of the cursor when the message was posted.
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// Sees every message before it is translated and dispatched; true when it
// has handled the message, which then goes no further. It may change the
// message (a character event replaces the character).
using PreTranslateHook = bool (*)(WindowMessage& message);

// Whether a message is waiting in the queue (it stays there).
bool MessageWaiting();

struct PumpOutcome {
  // The quit message was taken: the message loop ends.
  bool quit = false;
  // The message counts as user activity, so idle work starts over. A paint
  // message, the caret's blink timer and a mouse move to where the mouse
  // already was do not.
  bool resets_idle = false;
};

// Waits for the next message, then lets the hook see it and dispatches it
// unless the hook handled it. The hook may be null.
PumpOutcome PumpMessage(PreTranslateHook hook);

// Dispatches the messages waiting now, as PumpMessage does, until the queue
// is empty or the next message is the quit message, which stays queued for
// the message loop.
void DispatchWaitingMessages(PreTranslateHook hook);

// Ends the message loop of the calling thread with the exit code.
void PostQuit(int exit_code);

}  // namespace vorlix::platform
