#pragma once

#include <vector>

#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The units that may take the keyboard focus, in focus order: those with the
// tab-stop flag, by their tab-order numbers, equal numbers in creation order
// (the unit stored last first). Whether each is visible and enabled now is
// for the caller to check.
std::vector<UnitId> TabStopOrder(const WindowRecord& window);

}  // namespace vorlix::core
