#pragma once

// The item messages an owner-data control does not carry out itself, carried
// out on its rows, so that a list view answers them as any list view does.
#include <windows.h>

#include <optional>

#include "platform/list_view_binding_win32.h"

namespace vorlix::platform {

// Nothing when the message is the control's own business.
std::optional<LRESULT> AnswerItemMessage(ListViewBinding& binding, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace vorlix::platform
