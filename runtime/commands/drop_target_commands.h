#pragma once

#include <cstdint>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// Makes the native window (a window handle) a drop area served by the drop
// target unit: dropped data of the kinds the unit's four switches take (text,
// HTML, links, files, read at each drag) raises the unit's events 0 to 3 with
// the dropped text. False when the unit already serves a window (nothing
// changes) or the platform refuses the window. Call on the window thread,
// where the runtime has initialised OLE. A unit that is not loaded is the
// fatal "指定窗口或窗口组件不存在或尚未载入".
bool DropTargetRegister(const core::UnitReference& drop_target, std::int32_t window_handle);

}  // namespace vorlix::commands
