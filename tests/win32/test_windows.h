#pragma once

// Plain native windows and message pumping for tests of controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

namespace vorlix::testing {

inline const wchar_t* TestWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = L"VorlixTestWindow";
    RegisterClassW(&window_class);
    return L"VorlixTestWindow";
  }();
  return name;
}

// A window that is destroyed with the test.
class OwnedWindow {
 public:
  explicit OwnedWindow(HWND window) : window_(window) {}
  ~OwnedWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  HWND get() const { return window_; }
  operator HWND() const { return window_; }
  std::uintptr_t handle() const { return reinterpret_cast<std::uintptr_t>(window_); }

 private:
  HWND window_;
};

// A top-level window at a place of the screen, shown when asked. Shown
// without being activated: Wine then leaves it to itself rather than to a
// window manager, and destroying it does not wait two seconds for a window
// manager that a bare X server does not have.
inline HWND MakeTopLevelWindow(int left, int top, int width, int height, bool visible = true) {
  HWND window = CreateWindowExW(WS_EX_TOPMOST, TestWindowClass(), L"test", WS_POPUP, left, top, width, height,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (visible) ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

inline HWND MakeChildControl(HWND parent, const wchar_t* window_class, DWORD style) {
  return CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 200, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// Dispatches whatever is waiting for this thread.
inline void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A top-level window has this outer size and sits centred on the screen.
inline void ExpectCentredWithOuterSize(HWND window, int width, int height) {
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, width);
  EXPECT_EQ(rect.bottom - rect.top, height);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

}  // namespace vorlix::testing
