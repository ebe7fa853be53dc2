#include "platform/button_control.h"

#include <windows.h>

#include "platform/child_window_win32.h"

namespace vorlix::platform {
namespace {

constexpr DWORD kLookMask = BS_TYPEMASK | BS_PUSHLIKE | BS_FLAT | BS_LEFTTEXT | BS_CENTER | BS_VCENTER | BS_MULTILINE;

DWORD StyleOf(ButtonKind kind, const ButtonLook& look) {
  static constexpr DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
  static constexpr DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
  DWORD style = kHorizontal[look.horizontal >= 0 && look.horizontal <= 2 ? look.horizontal : 1] |
                kVertical[look.vertical >= 0 && look.vertical <= 2 ? look.vertical : 1];
  switch (kind) {
    case ButtonKind::kPush: return style | BS_MULTILINE | (look.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    case ButtonKind::kCheck: style |= BS_AUTOCHECKBOX; break;
    case ButtonKind::kRadio: style |= BS_AUTORADIOBUTTON; break;
  }
  if (look.push_like) style |= BS_PUSHLIKE;
  if (look.flat) style |= BS_FLAT;
  if (look.text_left) style |= BS_LEFTTEXT;
  return style;
}

}  // namespace

WindowHandle CreateButtonControl(const ChildWindowSpec& spec, ButtonKind kind, const ButtonLook& look) {
  return reinterpret_cast<WindowHandle>(CreateControl(L"BUTTON", StyleOf(kind, look), 0, spec));
}

void SetButtonLook(WindowHandle button, ButtonKind kind, const ButtonLook& look) {
  HWND window = reinterpret_cast<HWND>(button);
  const DWORD style = (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & ~kLookMask) | StyleOf(kind, look);
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
  SendMessageW(window, BM_SETSTYLE, style & 0xFFFF, TRUE);
  InvalidateRect(window, nullptr, TRUE);
}

bool IsButtonChecked(WindowHandle button) {
  return SendMessageW(reinterpret_cast<HWND>(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetButtonChecked(WindowHandle button, bool checked) {
  SendMessageW(reinterpret_cast<HWND>(button), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace vorlix::platform
