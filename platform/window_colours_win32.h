#pragma once

// The Win32 side of window colours, shared by the runtime's window classes.
#include <windows.h>

namespace vorlix::platform {

// Fills the client area with the window's background colour.
void EraseWithBackground(HWND window, HDC dc);
// Answers a WM_CTLCOLOR* message of a container for the child in lparam;
// nothing (0) when neither child nor container has colours of its own.
LRESULT AnswerColourRequest(HWND container, UINT message, WPARAM dc, LPARAM child);
// Frees the colours kept for the window (at WM_NCDESTROY).
void ForgetWindowColours(HWND window);

}  // namespace vorlix::platform
