#pragma once

#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The mouse pointer of stored pointer data shown over a unit's window: empty
// or the number 0 keeps the window's own, another number is one of the
// runtime's standard pointers, -1 followed by the bytes of a cursor file
// is that cursor.
void ApplyUnitPointer(LiveWindow& live, platform::WindowHandle window, const ByteSet& pointer_data);

// Every unit's and the window's own.
void LoadUnitPointers(LiveWindow& live, const WindowRecord& window);

}  // namespace vorlix::core
