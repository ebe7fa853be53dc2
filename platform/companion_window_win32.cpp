#include "platform/companion_window_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kCompanionProperty[] = L"VorlixCompanion";

// The companion sits against the control's right edge, as high as it.
void PlaceCompanion(HWND control, HWND companion) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  RECT own;
  GetWindowRect(companion, &own);
  SetWindowPos(companion, control, rect.right, rect.top, own.right - own.left, rect.bottom - rect.top,
               SWP_NOACTIVATE);
}

}  // namespace

void KeepCompanion(HWND control, HWND companion) { SetPropW(control, kCompanionProperty, companion); }

HWND CompanionOf(HWND control) { return static_cast<HWND>(GetPropW(control, kCompanionProperty)); }

void FollowControl(HWND control, UINT message, WPARAM wparam) {
  HWND companion = CompanionOf(control);
  if (companion == nullptr) return;
  switch (message) {
    case WM_SHOWWINDOW: ShowWindow(companion, wparam ? SW_SHOWNOACTIVATE : SW_HIDE); break;
    case WM_ENABLE: EnableWindow(companion, static_cast<BOOL>(wparam)); break;
    case WM_MOVE:
    case WM_SIZE: PlaceCompanion(control, companion); break;
    case WM_NCDESTROY:
      RemovePropW(control, kCompanionProperty);
      DestroyWindow(companion);
      break;
  }
}

}  // namespace vorlix::platform
