#pragma once

#include <cstdint>

namespace vorlix::app {

// Long work on the window thread asks KeepGoing between its steps. Events
// are processed only when the budget since the last time is spent: a check
// per step costs a tick read, and the stop button is still seen within a few
// tens of milliseconds. False once the stop button was clicked or the main
// window has gone.
class EventBudget {
 public:
  bool KeepGoing();
  bool WindowClosed() const { return window_closed_; }

 private:
  static constexpr std::uint32_t kPeriodMilliseconds = 15;
  std::uint32_t last_processed_ = 0;
  bool window_closed_ = false;
  bool stopped_ = false;
};

}  // namespace vorlix::app
