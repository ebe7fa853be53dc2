#pragma once

#include "platform/native_window.h"
#include "runtime/core/values/identifiers.h"

namespace vorlix::core {

struct BuildRequest {
  WindowId window = 0;
  // A window that exists already is only brought forward (restored when
  // minimised); false leaves it as it is.
  bool activate_existing = true;
  // Every other window of the program is disabled until this one closes.
  bool modal = false;
};

// Builds a window of the loaded template, its menu bar and its units, then
// raises its "built" event (0), and its "moved" (3) and "resized" (4) events
// while it still exists. Events are not delivered during the build. False
// when the window has no record, a unit's type is unknown or refuses its
// data, or a native window cannot be made; nothing of the window is left then.
bool BuildWindow(const BuildRequest& request);

}  // namespace vorlix::core
