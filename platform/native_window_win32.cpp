#include "platform/native_window.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle W(HWND window) { return reinterpret_cast<WindowHandle>(window); }

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(W(window));
  return TRUE;
}

}  // namespace

bool IsLiveWindow(WindowHandle window) { return window != 0 && IsWindow(H(window)); }

void DestroyNativeWindow(WindowHandle window) {
  if (IsLiveWindow(window)) DestroyWindow(H(window));
}

Placement PlacementOf(WindowHandle window) {
  RECT rect{};
  GetWindowRect(H(window), &rect);
  HWND parent = (GetWindowLongW(H(window), GWL_STYLE) & WS_CHILD) ? GetParent(H(window)) : nullptr;
  if (parent != nullptr) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void MoveNativeWindow(WindowHandle window, const Placement& placement) {
  SetWindowPos(H(window), nullptr, placement.left, placement.top, placement.width, placement.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsNativeWindowVisible(WindowHandle window) {
  return (GetWindowLongW(H(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsNativeWindowShowing(WindowHandle window) { return IsWindowVisible(H(window)) != FALSE; }

void ShowNativeWindow(WindowHandle window, ShowMode mode) {
  static constexpr int kCommands[] = {SW_HIDE, SW_SHOWNORMAL, SW_SHOWNOACTIVATE, SW_SHOWMINIMIZED,
                                      SW_SHOWMAXIMIZED};
  ShowWindow(H(window), kCommands[static_cast<int>(mode)]);
}

bool IsNativeWindowMinimised(WindowHandle window) { return IsIconic(H(window)) != FALSE; }
void RestoreNativeWindow(WindowHandle window) { ShowWindow(H(window), SW_RESTORE); }

void ActivateNativeWindow(WindowHandle window) { SetForegroundWindow(H(window)); }

bool IsNativeWindowEnabled(WindowHandle window) { return IsWindowEnabled(H(window)) != FALSE; }
void EnableNativeWindow(WindowHandle window, bool enabled) { EnableWindow(H(window), enabled); }

std::string NativeWindowText(WindowHandle window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(H(window))) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(H(window), text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetNativeWindowText(WindowHandle window, std::string_view gbk_text) {
  SetWindowTextW(H(window), Wide(gbk_text).c_str());
}

WindowHandle ParentOf(WindowHandle window) { return W(GetParent(H(window))); }
bool IsChildWindow(WindowHandle window) { return (GetWindowLongW(H(window), GWL_STYLE) & WS_CHILD) != 0; }
void SetParentOf(WindowHandle child, WindowHandle parent) { SetParent(H(child), H(parent)); }
int ControlIdOf(WindowHandle window) { return GetDlgCtrlID(H(window)); }

std::vector<WindowHandle> ChildrenOf(WindowHandle window) {
  std::vector<WindowHandle> children;
  for (HWND child = GetWindow(H(window), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(W(child));
  }
  return children;
}

void PlaceBelow(WindowHandle window, WindowHandle above) {
  SetWindowPos(H(window), above == 0 ? HWND_TOP : H(above), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

WindowHandle FocusedWindow() { return W(GetFocus()); }
WindowHandle ActiveWindow() { return W(GetActiveWindow()); }
void FocusNativeWindow(WindowHandle window) { SetFocus(H(window)); }

std::vector<WindowHandle> ThreadTopLevelWindows() {
  std::vector<WindowHandle> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace vorlix::platform
