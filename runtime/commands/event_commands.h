#pragma once

namespace vorlix::commands {

// Dispatches the messages waiting in the calling thread's queue, as the
// message loop would, until the queue is empty or the next message is the
// quit message, which stays queued for the message loop. Long work of the
// window thread calls it to keep the windows alive.
void ProcessEvents();

}  // namespace vorlix::commands
