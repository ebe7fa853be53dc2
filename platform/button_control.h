#pragma once

#include <string>

#include "platform/child_window.h"

namespace vorlix::platform {

enum class ButtonKind { kPush, kCheck, kRadio };

// 0 left/top, 1 centre, 2 right/bottom.
struct ButtonLook {
  int horizontal = 1;
  int vertical = 1;
  bool default_button = false;  // push buttons
  bool push_like = false;       // check and radio boxes
  bool flat = false;
  bool text_left = false;
};

// A push button with a multi-line caption, or an automatic check box or
// radio button; radio buttons with the same parent form one group.
WindowHandle CreateButtonControl(const ChildWindowSpec& spec, ButtonKind kind, const ButtonLook& look);
void SetButtonLook(WindowHandle button, ButtonKind kind, const ButtonLook& look);

bool IsButtonChecked(WindowHandle button);
// Leaves the other radio buttons of the group as they are.
void SetButtonChecked(WindowHandle button, bool checked);

}  // namespace vorlix::platform
