#pragma once

#include <memory>

#include "platform/top_level_window.h"
#include "runtime/core/state/live_unit.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The window itself, made from its own record (entry 0) with its menu bar.
// Null when the window's data is refused or the window cannot be made.
std::unique_ptr<LiveUnit> CreateWindowUnit(const UnitRecord& record, platform::MenuHandle menu);

// How the window is first shown: as stored, minimised, or maximised (only a
// window with a sizing frame).
platform::ShowMode FirstShowMode(LiveUnit& window_unit);

}  // namespace vorlix::core
