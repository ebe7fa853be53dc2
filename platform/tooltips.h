#pragma once

#include <cstdint>
#include <string_view>

#include "platform/native_window.h"

namespace vorlix::platform {

struct ToolTipStyle {
  bool balloon = false;  // fixed by the first tool added
  bool centred = false;  // the tip centred below the tool
};

// Adds a tool for the window to the program's one tooltip window, which the
// first call creates: the tip shows while the mouse rests on the window, also
// when the program is inactive, with "&" shown as it is. Every call adds a
// tool, even for a window that has one. Then the maximum tip width is set
// beyond any screen, so the tip breaks only at its own line breaks; the
// result is the previous maximum width (-1 after the first call). A window
// of 0 does nothing and gives 0.
int AddToolTip(WindowHandle window, std::string_view gbk_tip, const ToolTipStyle& style);

// The program's tooltip window; 0 while none has been made.
WindowHandle ProgramToolTipWindow();

}  // namespace vorlix::platform
