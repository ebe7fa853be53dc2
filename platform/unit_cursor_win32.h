#pragma once

#include <windows.h>

namespace vorlix::platform {

// Answers WM_SETCURSOR with the window's own pointer; false when it has none
// or the mouse is not over its client area.
bool AnswerCursorRequest(HWND window, LPARAM hit_test);
// At WM_NCDESTROY.
void ForgetWindowCursor(HWND window);

}  // namespace vorlix::platform
