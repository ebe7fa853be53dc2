#pragma once

#include <cstdint>
#include <optional>

#include "runtime/core/values/value.h"

// <windows.h> makes MessageBox a macro; the command keeps its own name.
#ifdef MessageBox
#undef MessageBox
#endif

namespace vorlix::commands {

// Shows a message box without owner and waits for it. The message is the
// value as ToText gives it for a number, a truth value, a date-time or a
// text, and empty for any other value. The title defaults to "信息：". The
// style is the platform's style word; unless it asks for a system-modal box
// (0x1000) the box is task-modal (0x2000). Gives the button pressed: 0 OK,
// 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No, and 0 for anything else.
std::int32_t MessageBox(const core::Value& message, std::int32_t style,
                        const std::optional<core::Text>& title = std::nullopt);

}  // namespace vorlix::commands
