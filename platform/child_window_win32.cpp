#include "platform/child_window_win32.h"

#include <commctrl.h>

#include "platform/companion_window_win32.h"
#include "platform/control_notices_win32.h"
#include "platform/runtime_window_class_win32.h"

namespace vorlix::platform {
namespace {

constexpr UINT_PTR kWatchId = 1;

LRESULT CALLBACK WatchProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  FollowControl(window, message, wparam);
  if (auto answer = HandleUnitWindowMessage(window, message, wparam, lparam)) return *answer;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, WatchProcedure, kWatchId);
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
    MarkFocusChange(window, true);
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    MarkFocusChange(window, false);
    return result;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace

BorderStyles BorderStylesOf(int border) {
  switch (border) {
    case 1: return {0, WS_EX_CLIENTEDGE};
    case 2: return {0, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE};
    case 3: return {0, WS_EX_STATICEDGE};
    case 4: return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE};
    case 5: return {WS_BORDER, 0};
    default: return {};
  }
}

void SetWindowBorder(WindowHandle window, int border) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  constexpr DWORD kExtendedBorders = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_STATICEDGE;
  const BorderStyles borders = BorderStylesOf(border);
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const auto extended = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>((style & ~WS_BORDER) | borders.style));
  SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<LONG>((extended & ~kExtendedBorders) | borders.extended));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

HWND CreateChildWindow(const wchar_t* class_name, DWORD style, DWORD extended, const ChildWindowSpec& spec) {
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (spec.disabled) style |= WS_DISABLED;
  if (spec.tab_stop) style |= WS_TABSTOP;
  const Placement& at = spec.placement;
  return CreateWindowExW(extended, class_name, L"", style, at.left, at.top, at.width, at.height,
                         reinterpret_cast<HWND>(spec.parent),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.control_id)),
                         GetModuleHandleW(nullptr), nullptr);
}

HWND CreateControl(const wchar_t* class_name, DWORD style, DWORD extended, const ChildWindowSpec& spec) {
  HWND control = CreateChildWindow(class_name, style, extended, spec);
  if (control != nullptr) WatchControl(control);
  return control;
}

void WatchControl(HWND control) { SetWindowSubclass(control, WatchProcedure, kWatchId, 0); }

}  // namespace vorlix::platform
