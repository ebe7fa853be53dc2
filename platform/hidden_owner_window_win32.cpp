#include "platform/hidden_owner_window.h"

#include <windows.h>

#include <atomic>

#include "platform/runtime_window_class_win32.h"
#include "platform/window_notices_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kOwnerClassName[] = L"VorlixOwnerWindow";
constexpr UINT kEndRequestMessage = WM_APP + 1;

std::atomic<HWND> owner_window{nullptr};

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kEndRequestMessage) {
    Report(NoticeKind::kEndRequested, window, static_cast<std::intptr_t>(wparam));
    return 0;
  }
  if (message == WM_NCDESTROY) {
    HWND expected = window;
    owner_window.compare_exchange_strong(expected, nullptr);
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

WindowHandle CreateHiddenOwnerWindow() {
  if (owner_window.load() == nullptr) {
    RegisterRuntimeClass(kOwnerClassName, OwnerProcedure);
    owner_window = CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  }
  return reinterpret_cast<WindowHandle>(owner_window.load());
}

WindowHandle HiddenOwnerWindow() { return reinterpret_cast<WindowHandle>(owner_window.load()); }

void DestroyHiddenOwnerWindow() {
  if (HWND window = owner_window.exchange(nullptr); window != nullptr) DestroyWindow(window);
}

bool PostEndRequest(int exit_code) {
  HWND window = owner_window.load();
  return window != nullptr && PostMessageW(window, kEndRequestMessage, static_cast<WPARAM>(exit_code), 0);
}

}  // namespace vorlix::platform
