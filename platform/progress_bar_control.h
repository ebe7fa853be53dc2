#pragma once

#include "platform/child_window.h"

namespace vorlix::platform {

WindowHandle CreateProgressBarControl(const ChildWindowSpec& spec, int border, bool vertical, bool smooth);
// The lower of the two values is taken as the minimum.
void SetProgressBarRange(WindowHandle bar, int first, int second);
void SetProgressBarPosition(WindowHandle bar, int position);
int ProgressBarPosition(WindowHandle bar);

}  // namespace vorlix::platform
