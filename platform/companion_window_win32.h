#pragma once

#include <windows.h>

namespace vorlix::platform {

// A window that belongs to a watched control and follows it: shown, hidden,
// enabled, moved and destroyed with it (an edit box's spin buttons).
void KeepCompanion(HWND control, HWND companion);
HWND CompanionOf(HWND control);
// Called by the watch of the control with each of its messages.
void FollowControl(HWND control, UINT message, WPARAM wparam);

}  // namespace vorlix::platform
