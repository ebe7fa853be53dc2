#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::platform {

// A native window as the portable code sees it; 0 is none.
using WindowHandle = std::uintptr_t;

// Pixels; a child's position is in its parent's client area, a top-level
// window's on the screen.
struct Placement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Placement&) const = default;
};

// Operations that apply to any native window.
bool IsLiveWindow(WindowHandle window);
void DestroyNativeWindow(WindowHandle window);

Placement PlacementOf(WindowHandle window);
void MoveNativeWindow(WindowHandle window, const Placement& placement);

// The window's own visible state, whatever its parents' is.
bool IsNativeWindowVisible(WindowHandle window);
// Visible, and so are all its parents.
bool IsNativeWindowShowing(WindowHandle window);
enum class ShowMode { kHide, kShowNormal, kShowWithoutActivating, kShowMinimised, kShowMaximised };
void ShowNativeWindow(WindowHandle window, ShowMode mode);
bool IsNativeWindowMinimised(WindowHandle window);
void RestoreNativeWindow(WindowHandle window);
void ActivateNativeWindow(WindowHandle window);

bool IsNativeWindowEnabled(WindowHandle window);
void EnableNativeWindow(WindowHandle window, bool enabled);

std::string NativeWindowText(WindowHandle window);
void SetNativeWindowText(WindowHandle window, std::string_view gbk_text);

// The parent of a child window, the owner of a top-level one.
WindowHandle ParentOf(WindowHandle window);
bool IsChildWindow(WindowHandle window);
void SetParentOf(WindowHandle child, WindowHandle parent);
int ControlIdOf(WindowHandle window);
// Direct child windows, topmost first.
std::vector<WindowHandle> ChildrenOf(WindowHandle window);
// Puts the window directly below `above` in the Z-order of its parent, or at
// the top when `above` is 0.
void PlaceBelow(WindowHandle window, WindowHandle above);

WindowHandle FocusedWindow();
// This thread's active top-level window, or 0.
WindowHandle ActiveWindow();
void FocusNativeWindow(WindowHandle window);
// The top-level windows of this thread, except those of other programs.
std::vector<WindowHandle> ThreadTopLevelWindows();

}  // namespace vorlix::platform
