#include "platform/child_window_win32.h"

#include <commctrl.h>

#include "platform/companion_window_win32.h"
#include "platform/window_colours_win32.h"

namespace vorlix::platform {
namespace {

constexpr UINT_PTR kWatchId = 1;

LRESULT CALLBACK WatchProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  FollowControl(window, message, wparam);
  if (message == WM_NCDESTROY) {
    ForgetWindowColours(window);
    RemoveWindowSubclass(window, WatchProcedure, kWatchId);
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
