#include "runtime/commands/local_time_command.h"

#include "platform/local_time.h"

namespace vorlix::commands {

core::CalendarTime LocalTimeNow() {
  const platform::LocalTime now = platform::LocalTimeNow();
  return {now.year, now.month, now.day, now.hour, now.minute, now.second};
}

}  // namespace vorlix::commands
