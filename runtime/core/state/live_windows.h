#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/accelerators.h"
#include "platform/top_level_window.h"
#include "platform/unit_cursor.h"
#include "runtime/core/state/live_unit.h"

namespace vorlix::core {

// The windows that exist now, with their units.

struct LiveUnitEntry {
  UnitId id = 0;
  int control_id = 0;
  std::unique_ptr<LiveUnit> unit;
};

struct LiveWindow {
  WindowId id = 0;
  std::unique_ptr<LiveUnit> frame;
  // In creation order.
  std::vector<LiveUnitEntry> units;
  platform::MenuHandle menu = 0;
  platform::AcceleratorHandle accelerators = 0;
  // The other windows a modal window disabled, enabled again when it goes.
  std::vector<platform::WindowHandle> disabled_while_modal;
  // Pointers loaded from cursor files; destroyed with the window.
  std::vector<platform::CursorHandle> file_cursors;
  // The first activation raises its own event before the activation's.
  bool activated_before = false;
  // The unit that had the focus last, which gets it back when the window is
  // activated again.
  UnitId last_focused = 0;

  LiveUnitEntry* Find(UnitId unit);
};

// Null when the window does not exist (or its native window has gone).
LiveWindow* FindLiveWindow(WindowId window);
LiveWindow& AddLiveWindow(WindowId window, std::unique_ptr<LiveUnit> frame);
// Forgets the window once its native window is gone: its units, its
// accelerators; windows it disabled as a modal window are enabled again.
void ForgetLiveWindow(WindowId window);
bool AnyLiveWindow();

// The live unit, or the window itself for 0 or its own record id; null when
// it does not exist.
LiveUnit* FindLiveUnit(WindowId window, UnitId unit);
// The same, or the fatal error "指定窗口或窗口组件不存在或尚未载入".
LiveUnit& RequireLiveUnit(WindowId window, UnitId unit);

// The unit (or window: its own record id) whose own window this is.
struct UnitAddress {
  WindowId window = 0;
  UnitId unit = 0;

  bool operator==(const UnitAddress&) const = default;
};
std::optional<UnitAddress> UnitOfWindowHandle(platform::WindowHandle handle);
// The same for the nearest window that is a unit's own, walking up from
// `handle` through its parents (an inner window of a unit counts for the
// unit).
std::optional<UnitAddress> UnitContainingWindowHandle(platform::WindowHandle handle);

}  // namespace vorlix::core
