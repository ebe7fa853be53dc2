#pragma once

#include <optional>

#include "runtime/core/template/property_value.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The unit properties that every record keeps itself, so that a unit created
// again (or not yet created) has its current values.
namespace common_props {
enum : int { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kMousePointer };
}  // namespace common_props

// Numbers, truth values (0 or 1) and texts as PropertyValue words and texts;
// the mouse pointer as its stored byte set. Nothing for other numbers.
std::optional<PropertyValue> ReadStoredProperty(const UnitRecord& unit, int number);
// False when the number is not 0-7 or the value is of another form; the
// record is then unchanged.
bool WriteStoredProperty(UnitRecord& unit, int number, const PropertyValue& value);

// Menu properties: 0 caption, 1 checked, 2 disabled, 3 visible.
std::optional<PropertyValue> ReadMenuProperty(const MenuItemRecord& item, int number);
bool WriteMenuProperty(MenuItemRecord& item, int number, const PropertyValue& value);

}  // namespace vorlix::core
