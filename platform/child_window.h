#pragma once

#include "platform/native_window.h"

namespace vorlix::platform {

// Where and how a unit's window is made: a hidden child of `parent` that
// clips its siblings.
struct ChildWindowSpec {
  WindowHandle parent = 0;
  int control_id = 0;
  Placement placement;
  bool disabled = false;
  bool tab_stop = false;
};

// The border styles shared by every unit type that has a border: 0 none,
// 1 sunken, 2 raised frame, 3 thin sunken, 4 sunken and raised, 5 single line.
void SetWindowBorder(WindowHandle window, int border);

}  // namespace vorlix::platform
