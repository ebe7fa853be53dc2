#include "app/search/event_budget.h"

#include "app/mainwindow/window_lifetime.h"
#include "app/search/search_request.h"
#include "runtime/commands/event_commands.h"
#include "runtime/commands/uptime_command.h"

namespace vorlix::app {

bool EventBudget::KeepGoing() {
  if (stopped_) return false;
  // Unsigned, so that the tick counter's wrap-around gives the right span.
  const auto now = static_cast<std::uint32_t>(commands::GetUptime());
  if (now - last_processed_ < kPeriodMilliseconds) return true;
  last_processed_ = now;
  commands::ProcessEvents();
  window_closed_ = !MainWindowOpen();
  stopped_ = window_closed_ || IsStopRequested();
  return !stopped_;
}

}  // namespace vorlix::app
