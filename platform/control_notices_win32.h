#pragma once

// The notices of the controls on a container, decoded from WM_COMMAND and
// WM_NOTIFY.
#include <windows.h>

#include <optional>

namespace vorlix::platform {

std::optional<LRESULT> ReportControlCommand(WPARAM wparam, LPARAM lparam);
std::optional<LRESULT> ReportControlNotification(LPARAM lparam);

// A button gaining or losing the focus may report a click of its own; the
// watch marks that time.
void MarkFocusChange(HWND button, bool changing);

}  // namespace vorlix::platform
