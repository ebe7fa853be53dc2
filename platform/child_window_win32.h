#pragma once

#include <windows.h>

#include "platform/child_window.h"

namespace vorlix::platform {

struct BorderStyles {
  DWORD style = 0;
  DWORD extended = 0;
};
BorderStyles BorderStylesOf(int border);

// Creates a unit's window of a standard or runtime class; nothing (null)
// when the platform refuses.
HWND CreateChildWindow(const wchar_t* class_name, DWORD style, DWORD extended, const ChildWindowSpec& spec);

// A standard control, watched.
HWND CreateControl(const wchar_t* class_name, DWORD style, DWORD extended, const ChildWindowSpec& spec);

// Keeps the runtime's per-window data of a standard control tidy: it is
// freed when the control goes.
void WatchControl(HWND control);

}  // namespace vorlix::platform
