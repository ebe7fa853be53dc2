#pragma once

// The notifications of an owner-data list view to its container: the control
// asks for what it paints and tells what the user did to selection, focus and
// check boxes.
#include <windows.h>

#include <optional>

namespace vorlix::platform {

// A value answers the notification and ends it; nothing lets the runtime
// report it as usual. Nothing for notifications of other controls.
std::optional<LRESULT> FollowListViewNotification(LPARAM lparam);

}  // namespace vorlix::platform
