#pragma once

#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// Makes a unit's window again from its current properties, when a property
// change needs a new window: same place, visibility, enabled state, tab stop
// and control id, back in its place in the stacking order (below the
// nearest earlier record with the same parent), a container's child windows
// moved over, and the focus given back when it had it. When the new window
// cannot be made the old one stays.
void RecreateUnit(LiveWindow& live, const WindowRecord& window, UnitId unit);

}  // namespace vorlix::core
