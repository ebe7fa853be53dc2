#pragma once

#include <windows.h>

#include <optional>

#include "platform/window_notices.h"

namespace vorlix::platform {

// Hands a notice to the observer; nothing when none is installed.
std::optional<LRESULT> Report(NoticeKind kind, HWND window, std::intptr_t value = 0, std::intptr_t value2 = 0);

}  // namespace vorlix::platform
