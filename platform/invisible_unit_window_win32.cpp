#include "platform/invisible_unit_window.h"

#include <windows.h>

#include "platform/child_window_win32.h"
#include "platform/runtime_window_class_win32.h"
#include "platform/window_notices_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kInvisibleClassName[] = L"VorlixInvisibleUnit";
constexpr UINT_PTR kUnitTimerId = 1;

LRESULT CALLBACK InvisibleProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && wparam == kUnitTimerId) {
    Report(NoticeKind::kTimerTick, window);
    return 0;
  }
  if (message == WM_DESTROY) KillTimer(window, kUnitTimerId);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

WindowHandle CreateInvisibleUnitWindow(const ChildWindowSpec& spec) {
  RegisterRuntimeClass(kInvisibleClassName, InvisibleProcedure);
  return reinterpret_cast<WindowHandle>(CreateChildWindow(kInvisibleClassName, 0, 0, spec));
}

void SetUnitTimer(WindowHandle window, int period_ms) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (period_ms > 0) {
    SetTimer(hwnd, kUnitTimerId, static_cast<UINT>(period_ms), nullptr);
  } else {
    KillTimer(hwnd, kUnitTimerId);
  }
}

}  // namespace vorlix::platform
