#include "runtime/commands/uptime_command.h"

#include "platform/tick_count.h"

namespace vorlix::commands {

std::int32_t GetUptime() { return static_cast<std::int32_t>(platform::TickCount()); }

}  // namespace vorlix::commands
