#pragma once

#include "runtime/core/values/date_time.h"

namespace vorlix::commands {

// The computer's clock in its time zone, to the second.
core::CalendarTime LocalTimeNow();

}  // namespace vorlix::commands
