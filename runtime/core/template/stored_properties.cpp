#include "runtime/core/template/stored_properties.h"

#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

std::int32_t FlagOf(std::uint32_t flags, std::uint32_t bit) { return (flags & bit) != 0 ? 1 : 0; }

// Sets or clears `bit` from a truth value; false when the value is not a word.
bool WriteFlag(std::uint32_t& flags, std::uint32_t bit, const PropertyValue& value, bool inverted = false) {
  const auto* word = std::get_if<std::int32_t>(&value);
  if (word == nullptr) return false;
  if ((*word != 0) != inverted) {
    flags |= bit;
  } else {
    flags &= ~bit;
  }
  return true;
}

template <typename T>
bool WriteAs(T& field, const PropertyValue& value) {
  const auto* typed = std::get_if<T>(&value);
  if (typed == nullptr) return false;
  field = *typed;
  return true;
}

}  // namespace

std::optional<PropertyValue> ReadStoredProperty(const UnitRecord& unit, int number) {
  using namespace common_props;
  switch (number) {
    case kLeft: return unit.left;
    case kTop: return unit.top;
    case kWidth: return unit.width;
    case kHeight: return unit.height;
    case kTag: return unit.tag;
    case kVisible: return FlagOf(unit.state, state_flags::kVisible);
    case kDisabled: return FlagOf(unit.state, state_flags::kDisabled);
    case kMousePointer: return unit.pointer_data;
    default: return std::nullopt;
  }
}

bool WriteStoredProperty(UnitRecord& unit, int number, const PropertyValue& value) {
  using namespace common_props;
  switch (number) {
    case kLeft: return WriteAs(unit.left, value);
    case kTop: return WriteAs(unit.top, value);
    case kWidth: return WriteAs(unit.width, value);
    case kHeight: return WriteAs(unit.height, value);
    case kTag: return WriteAs(unit.tag, value);
    case kVisible: return WriteFlag(unit.state, state_flags::kVisible, value);
    case kDisabled: return WriteFlag(unit.state, state_flags::kDisabled, value);
    case kMousePointer: return WriteAs(unit.pointer_data, value);
    default: return false;
  }
}

std::optional<PropertyValue> ReadMenuProperty(const MenuItemRecord& item, int number) {
  switch (number) {
    case menu_props::kCaption: return item.caption;
    case menu_props::kChecked: return FlagOf(item.flags, menu_flags::kChecked);
    case menu_props::kDisabled: return FlagOf(item.flags, menu_flags::kDisabled);
    case menu_props::kVisible: return 1 - FlagOf(item.flags, menu_flags::kHidden);
    default: return std::nullopt;
  }
}

bool WriteMenuProperty(MenuItemRecord& item, int number, const PropertyValue& value) {
  switch (number) {
    case menu_props::kCaption: return WriteAs(item.caption, value);
    case menu_props::kChecked: return WriteFlag(item.flags, menu_flags::kChecked, value);
    case menu_props::kDisabled: return WriteFlag(item.flags, menu_flags::kDisabled, value);
    case menu_props::kVisible: return WriteFlag(item.flags, menu_flags::kHidden, value, true);
    default: return false;
  }
}

}  // namespace vorlix::core
