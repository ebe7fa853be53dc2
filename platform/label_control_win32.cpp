#include "platform/label_control.h"

#include <windows.h>

#include "platform/child_window_win32.h"
#include "platform/window_colours.h"

namespace vorlix::platform {
namespace {

constexpr DWORD kLookMask = SS_TYPEMASK | SS_CENTERIMAGE;

DWORD StyleOf(const LabelLook& look) {
  DWORD style = SS_NOTIFY | BorderStylesOf(look.border).style;
  if (look.horizontal == 1) {
    style |= SS_CENTER;
  } else if (look.horizontal == 2) {
    style |= SS_RIGHT;
  } else {
    style |= look.word_wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
  }
  if (look.vertical == 1) style |= SS_CENTERIMAGE;
  return style;
}

}  // namespace

WindowHandle CreateLabelControl(const ChildWindowSpec& spec, const LabelLook& look) {
  HWND label = CreateControl(L"STATIC", StyleOf(look), BorderStylesOf(look.border).extended, spec);
  if (label == nullptr) return 0;
  const auto handle = reinterpret_cast<WindowHandle>(label);
  if (look.background != kSystemColour) SetWindowColours(handle, kSystemColour, look.background);
  return handle;
}

void SetLabelLook(WindowHandle label, const LabelLook& look) {
  HWND window = reinterpret_cast<HWND>(label);
  const DWORD style = (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & ~kLookMask) | StyleOf(look);
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
  SetWindowBorder(label, look.border);
  SetWindowColours(label, kSystemColour, look.background);
}

}  // namespace vorlix::platform
