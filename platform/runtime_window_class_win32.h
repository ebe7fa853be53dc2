#pragma once

// The window classes of the runtime's own windows.
#include <windows.h>

#include <optional>

namespace vorlix::platform {

// Registers the class on first use: arrow cursor, no background brush,
// redrawn when resized, double clicks reported.
void RegisterRuntimeClass(const wchar_t* name, WNDPROC procedure);

// What every unit's window does, whatever its class: shows the unit's mouse
// pointer, reports focus changes, and frees the runtime's data of the window
// at WM_NCDESTROY.
std::optional<LRESULT> HandleUnitWindowMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// What every runtime window that holds units does for its children: answers
// their colour requests and reports their notifications. Nothing when the
// message is not one of those or goes on as usual.
std::optional<LRESULT> HandleAsContainer(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The object a window of a runtime class keeps in its user data; given once
// the window exists, deleted by its procedure at WM_NCDESTROY.
template <class T>
T* WindowObject(HWND window) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
template <class T>
void KeepWindowObject(HWND window, T* object) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

}  // namespace vorlix::platform
