#pragma once

#include <optional>

#include "runtime/core/template/property_value.h"
#include "runtime/core/template/unit_type_catalogue.h"
#include "runtime/core/values/value.h"

namespace vorlix::core {

// A property as the application reads it: truth values as bool, other words
// as integers, texts, byte sets, and lists of texts as text arrays.
Value ValueOfProperty(const PropertyValue& value, PropertyValueKind kind);
// The common properties 0-7 (5 and 6 are truth values).
Value ValueOfCommonProperty(int number, const PropertyValue& value);

// The value converted to the form that `form` has (any number or truth value
// for a word; a text; a byte set; a text array for a list). Nothing when it
// cannot be.
std::optional<PropertyValue> PropertyOfValue(const Value& value, const PropertyValue& form);

}  // namespace vorlix::core
