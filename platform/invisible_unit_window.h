#pragma once

#include "platform/child_window.h"

namespace vorlix::platform {

// The window of a unit that is never shown (a timer, a drop target).
WindowHandle CreateInvisibleUnitWindow(const ChildWindowSpec& spec);

// Ticks arrive as timer-tick notices of the window. A period of 0 or less
// stops the timer.
void SetUnitTimer(WindowHandle window, int period_ms);

}  // namespace vorlix::platform
