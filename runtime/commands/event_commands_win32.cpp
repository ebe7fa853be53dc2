#include "runtime/commands/event_commands.h"

#include "runtime/core/events/message_loop.h"

namespace vorlix::commands {

void ProcessEvents() { core::ProcessPendingMessages(); }

}  // namespace vorlix::commands
