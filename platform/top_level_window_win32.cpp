#include "platform/top_level_window.h"

#include <windows.h>

#include "platform/runtime_window_class_win32.h"
#include "platform/wide_text.h"
#include "platform/window_colours.h"
#include "platform/window_colours_win32.h"
#include "platform/window_notices_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kDefaultClassName[] = L"VorlixWindow";

// The window's own notices; the answer to a close request decides whether
// the window closes.
std::optional<LRESULT> ReportWindowMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      if (auto answer = Report(NoticeKind::kCloseRequest, window); answer && *answer == 0) return 0;
      return std::nullopt;
    case WM_QUERYENDSESSION: {
      auto answer = Report(NoticeKind::kCloseRequest, window);
      return answer && *answer == 0 ? FALSE : TRUE;
    }
    case WM_DESTROY: Report(NoticeKind::kDestroying, window); return std::nullopt;
    case WM_MOVE: Report(NoticeKind::kMoved, window); return std::nullopt;
    case WM_SIZE: Report(NoticeKind::kResized, window); return std::nullopt;
    case WM_SHOWWINDOW: Report(wparam ? NoticeKind::kShown : NoticeKind::kHidden, window); return std::nullopt;
    case WM_COMMAND:
      // Menus and accelerators; a control's commands have its window in lparam.
      if (lparam == 0) Report(NoticeKind::kMenuCommand, window, LOWORD(wparam));
      return std::nullopt;
    default: return std::nullopt;
  }
}

LRESULT CALLBACK TopLevelProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (auto answer = HandleUnitWindowMessage(window, message, wparam, lparam)) return *answer;
  if (auto answer = HandleAsContainer(window, message, wparam, lparam)) return *answer;
  if (auto answer = ReportWindowMessage(window, message, wparam, lparam)) return *answer;
  switch (message) {
    case WM_ERASEBKGND: EraseWithBackground(window, reinterpret_cast<HDC>(wparam)); return 1;
    case WM_NCDESTROY: Report(NoticeKind::kWindowGone, window); break;
    case WM_ACTIVATE: {
      const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
      Report(LOWORD(wparam) == WA_INACTIVE ? NoticeKind::kDeactivated : NoticeKind::kActivated, window);
      return result;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

struct Styles {
  DWORD style = 0;
  DWORD extended = 0;
};

Styles StylesOf(const TopLevelWindowSpec& spec) {
  Styles styles;
  if (spec.border == 0) {
    styles.style = WS_POPUP;
  } else {
    const bool caption = !spec.caption.empty() || spec.control_box;
    styles.style = caption ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP | WS_DLGFRAME;
    if (spec.control_box) styles.style |= WS_SYSMENU;
    if (HasSizingFrame(spec.border)) styles.style = (styles.style & ~WS_DLGFRAME) | WS_BORDER | WS_THICKFRAME;
    if (spec.border == 3 || spec.border == 4) styles.extended |= WS_EX_TOOLWINDOW;
    if (spec.border == 5 || spec.border == 6) styles.extended |= WS_EX_CLIENTEDGE;
    if (spec.maximise_box) styles.style |= WS_MAXIMIZEBOX;
    if (spec.minimise_box) styles.style |= WS_MINIMIZEBOX;
  }
  if (spec.disabled) styles.style |= WS_DISABLED;
  if (spec.visible) styles.style |= WS_VISIBLE;
  if (spec.always_on_top) styles.extended |= WS_EX_TOPMOST;
  return styles;
}

Placement CentredOnScreen(Placement placement) {
  placement.left = (GetSystemMetrics(SM_CXSCREEN) - placement.width) / 2;
  placement.top = (GetSystemMetrics(SM_CYSCREEN) - placement.height) / 2;
  return placement;
}

}  // namespace

WindowHandle CreateTopLevelWindow(const TopLevelWindowSpec& spec) {
  const std::wstring class_name = spec.class_name.empty() ? kDefaultClassName : Wide(spec.class_name);
  RegisterRuntimeClass(class_name.c_str(), TopLevelProcedure);
  const Styles styles = StylesOf(spec);
  const Placement at = spec.centred ? CentredOnScreen(spec.placement) : spec.placement;
  HWND window = CreateWindowExW(styles.extended, class_name.c_str(), Wide(spec.caption).c_str(), styles.style,
                                at.left, at.top, at.width, at.height, reinterpret_cast<HWND>(spec.owner),
                                reinterpret_cast<HMENU>(spec.menu), GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return 0;
  const auto handle = reinterpret_cast<WindowHandle>(window);
  // The frame may have been adjusted to the menu or the system's minimum.
  if (PlacementOf(handle) != at) MoveNativeWindow(handle, at);
  if (!spec.movable) DeleteMenu(GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND);
  if (spec.background != kSystemColour) SetWindowColours(handle, kSystemColour, spec.background);
  return handle;
}

void SetTopLevelLook(WindowHandle window, const TopLevelWindowSpec& spec) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  const Styles styles = StylesOf(spec);
  constexpr DWORD kKept = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>((style & kKept) | (styles.style & ~(WS_DISABLED | WS_VISIBLE))));
  SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<LONG>(styles.extended & ~WS_EX_TOPMOST));
  SetWindowPos(hwnd, spec.always_on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetWindowColours(window, kSystemColour, spec.background);
}

}  // namespace vorlix::platform
