#include "platform/runtime_window_class_win32.h"

#include "platform/control_notices_win32.h"
#include "platform/unit_cursor_win32.h"
#include "platform/window_notices_win32.h"
#include "platform/window_colours_win32.h"

namespace vorlix::platform {

void RegisterRuntimeClass(const wchar_t* name, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

std::optional<LRESULT> HandleUnitWindowMessage(HWND window, UINT message, WPARAM, LPARAM lparam) {
  if (message == WM_SETCURSOR && AnswerCursorRequest(window, lparam)) return TRUE;
  if (message == WM_SETFOCUS) Report(NoticeKind::kFocusGained, window);
  if (message == WM_KILLFOCUS) Report(NoticeKind::kFocusLost, window);
  if (message == WM_NCDESTROY) {
    ForgetWindowColours(window);
    ForgetWindowCursor(window);
  }
  return std::nullopt;
}

std::optional<LRESULT> HandleAsContainer(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (LRESULT brush = AnswerColourRequest(window, message, wparam, lparam); brush != 0) return brush;
      return std::nullopt;
    case WM_COMMAND: return ReportControlCommand(wparam, lparam);
    case WM_NOTIFY: return ReportControlNotification(lparam);
    default: return std::nullopt;
  }
}

}  // namespace vorlix::platform
