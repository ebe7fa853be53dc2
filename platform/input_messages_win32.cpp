#include "platform/input_messages.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }

constexpr LPARAM kAltContextBit = 1 << 29;

InputKind KindOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return InputKind::kLeftDown;
    case WM_LBUTTONUP: return InputKind::kLeftUp;
    case WM_LBUTTONDBLCLK: return InputKind::kLeftDoubleClick;
    case WM_RBUTTONDOWN: return InputKind::kRightDown;
    case WM_RBUTTONUP: return InputKind::kRightUp;
    case WM_MOUSEMOVE: return InputKind::kMouseMove;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return InputKind::kKeyDown;
    case WM_KEYUP:
    case WM_SYSKEYUP: return InputKind::kKeyUp;
    case WM_CHAR: return InputKind::kCharacter;
    case WM_MOUSEWHEEL: return InputKind::kWheel;
    case WM_NCLBUTTONDOWN: return InputKind::kNonClientLeftDown;
    default: return InputKind::kOther;
  }
}

}  // namespace

InputMessage DecodeInput(const WindowMessage& message) {
  InputMessage input;
  input.kind = KindOf(message.message);
  const auto lparam = static_cast<std::uintptr_t>(message.lparam);
  input.x = static_cast<int>(lparam & 0xFFFF);
  input.y = static_cast<int>((lparam >> 16) & 0xFFFF);
  input.key = static_cast<int>(message.wparam);
  input.system_key = message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP;
  input.alt_down = (message.lparam & kAltContextBit) != 0;
  if (input.kind == InputKind::kWheel) input.wheel_delta = GET_WHEEL_DELTA_WPARAM(message.wparam);
  return input;
}

bool IsKeyboardMessage(const WindowMessage& message) {
  return message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
}

void ReplaceCharacter(WindowMessage& message, int character) {
  message.wparam = static_cast<std::uintptr_t>(static_cast<unsigned>(character));
}

int ModifierKeys() {
  auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  return (down(VK_CONTROL) ? 1 : 0) | (down(VK_SHIFT) ? 2 : 0) | (down(VK_MENU) ? 4 : 0);
}

void CancelMouseHold(WindowHandle target) {
  HWND holder = GetCapture();
  if (holder != nullptr && holder != H(target)) ReleaseCapture();
}

WindowHandle RootWindowOf(WindowHandle window) {
  return reinterpret_cast<WindowHandle>(GetAncestor(H(window), GA_ROOT));
}

bool TranslateShortcut(WindowHandle window, AcceleratorHandle table, const WindowMessage& message) {
  if (table == 0) return false;
  MSG msg{H(message.window), message.message, message.wparam, message.lparam, message.time,
          {message.x, message.y}};
  return TranslateAcceleratorW(H(window), reinterpret_cast<HACCEL>(table), &msg) != 0;
}

void PostCloseRequest(WindowHandle window) { PostMessageW(H(window), WM_CLOSE, 0, 0); }

void OpenHelpFile(const std::string& gbk_path) {
  ShellExecuteW(nullptr, L"open", Wide(gbk_path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ClickButton(WindowHandle button) { SendMessageW(H(button), BM_CLICK, 0, 0); }

}  // namespace vorlix::platform
