#include "platform/message_queue.h"

#include <windows.h>

namespace vorlix::platform {
namespace {

// The caret's blink timer: frequent, and no sign of the user doing anything.
constexpr UINT kSystemTimerMessage = 0x0118;

WindowMessage ToWindowMessage(const MSG& msg) {
  return {reinterpret_cast<std::uintptr_t>(msg.hwnd), msg.message, msg.wParam, msg.lParam,
          static_cast<std::uint32_t>(msg.time), msg.pt.x, msg.pt.y};
}

void CopyBack(const WindowMessage& message, MSG& msg) {
  msg.hwnd = reinterpret_cast<HWND>(message.window);
  msg.message = message.message;
  msg.wParam = message.wparam;
  msg.lParam = message.lparam;
}

bool ResetsIdle(const MSG& msg) {
  static POINT last_mouse_position{-1, -1};
  static UINT last_mouse_message = 0;
  if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
    const bool moved = msg.message != last_mouse_message || msg.pt.x != last_mouse_position.x ||
                       msg.pt.y != last_mouse_position.y;
    last_mouse_position = msg.pt;
    last_mouse_message = msg.message;
    return moved;
  }
  return msg.message != WM_PAINT && msg.message != kSystemTimerMessage;
}

void Deliver(MSG& msg, PreTranslateHook hook) {
  if (hook != nullptr) {
    WindowMessage message = ToWindowMessage(msg);
    if (hook(message)) return;
    CopyBack(message, msg);
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

bool MessageWaiting() {
  MSG msg;
  return PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) != 0;
}

PumpOutcome PumpMessage(PreTranslateHook hook) {
  MSG msg;
  // -1 is an invalid-window error, which cannot happen for a null window;
  // it is treated like the quit message rather than spinning.
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return {true, false};
  Deliver(msg, hook);
  return {false, ResetsIdle(msg)};
}

void DispatchWaitingMessages(PreTranslateHook hook) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {
      // A quit message that arrived between the two looks goes back.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    Deliver(msg, hook);
  }
}

void PostQuit(int exit_code) { PostQuitMessage(exit_code); }

}  // namespace vorlix::platform
