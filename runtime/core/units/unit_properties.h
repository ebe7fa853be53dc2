#pragma once

#include "runtime/core/values/identifiers.h"
#include "runtime/core/values/value.h"

namespace vorlix::core {

// Unit properties by number, as the application reads and writes them.
// Unit 0 (or the window's own record id) is the window itself; a menu item
// has its own numbers (0 caption, 1 checked, 2 disabled, 3 visible).
//
// Numbers 0-7 (left, top, width, height, tag, visible, disabled, mouse
// pointer) come from the stored record while the unit has no window and from
// its window otherwise; a write updates the record too, so a unit made again
// keeps it. Numbers 8 and up are the type's own and need the unit's window.
//
// Fatal errors: "未载入欲访问窗口组件所在的窗口" when the window has no
// record, "指定窗口或窗口组件不存在或尚未载入" when the unit has none,
// "指定窗口尚未载入" for a type's own property of a unit without a window,
// runtime error 11 for a value of the wrong kind.

// A number the unit does not have reads as a value that was not given.
Value ReadUnitProperty(WindowId window, UnitId unit, int number);
// A write to a number the unit does not have changes nothing.
void WriteUnitProperty(WindowId window, UnitId unit, int number, const Value& value);

}  // namespace vorlix::core
