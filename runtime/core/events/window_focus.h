#pragma once

#include <vector>

#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The live units that take part in the focus order now: visible, enabled,
// visual, with the tab-stop flag.
std::vector<LiveUnitEntry*> FocusOrder(LiveWindow& live, const WindowRecord& window);

// Gives the focus to the first unit of the focus order, when there is one.
void FocusFirstUnit(LiveWindow& live, const WindowRecord& window);

}  // namespace vorlix::core
