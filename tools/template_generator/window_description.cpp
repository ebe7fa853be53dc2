#include "tools/template_generator/window_description.h"

#include "runtime/core/template/template_records.h"
#include "runtime/core/template/unit_type_catalogue.h"
#include "tools/template_generator/segment_generator.h"

namespace vorlix::tools {
namespace {

const core::UnitTypeDescriptor& TypeOf(core::UnitTypeCode type, core::UnitId id) {
  const core::UnitTypeDescriptor* descriptor = core::FindUnitType(type);
  if (descriptor == nullptr || descriptor->layout == nullptr) {
    throw DescriptionError("unit " + HexId(id) + " has the type " + HexId(type) +
                           ", which has no stored property data");
  }
  return *descriptor;
}

}  // namespace

UnitDescription::UnitDescription(core::UnitTypeCode type, core::UnitId id, core::Text name)
    : type(type), id(id), name(std::move(name)), properties(TypeOf(type, id)) {}

UnitDescription& UnitDescription::At(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h) {
  left = l;
  top = t;
  width = w;
  height = h;
  return *this;
}

UnitDescription& UnitDescription::Visible() {
  state |= core::state_flags::kVisible;
  return *this;
}

UnitDescription& UnitDescription::Disabled() {
  state |= core::state_flags::kDisabled;
  return *this;
}

UnitDescription& UnitDescription::TabStop() {
  state |= core::state_flags::kTabStop;
  return *this;
}

UnitDescription& UnitDescription::In(core::UnitId container) {
  parent = container;
  return *this;
}

UnitDescription& UnitDescription::LinkedTo(core::UnitId unit) {
  linked_unit = unit;
  return *this;
}

UnitDescription& UnitDescription::Tag(core::Text text) {
  tag = std::move(text);
  return *this;
}

UnitDescription& UnitDescription::Set(int property, core::PropertyValue value) {
  if (properties.Set(property, std::move(value)) == core::UnitPropertyData::SetResult::kRefused) {
    throw DescriptionError("unit " + HexId(id) + " (" + std::string(properties.Type().english_name) +
                           ") refuses the value given for its property " + std::to_string(property));
  }
  properties_set = true;
  return *this;
}

UnitDescription& UnitDescription::On(std::int32_t event, std::string handler) {
  events.emplace_back(event, std::move(handler));
  return *this;
}

MenuItemDescription& MenuItemDescription::Hidden() {
  flags |= core::menu_flags::kHidden;
  return *this;
}

MenuItemDescription& MenuItemDescription::Disabled() {
  flags |= core::menu_flags::kDisabled;
  return *this;
}

MenuItemDescription& MenuItemDescription::Checked() {
  flags |= core::menu_flags::kChecked;
  return *this;
}

MenuItemDescription& MenuItemDescription::Shortcut(std::uint32_t key_combination) {
  shortcut = key_combination;
  return *this;
}

WindowDescription::WindowDescription(core::WindowId id, std::uint32_t module_id)
    : id_(id), module_id_(module_id), frame_(core::type_codes::kWindow, core::kWindowOwnRecordId, {}) {}

UnitDescription& WindowDescription::AddUnit(core::UnitTypeCode type, core::UnitId id, core::Text name) {
  return units_.emplace_back(type, id, std::move(name));
}

MenuItemDescription& WindowDescription::AddMenuItem(core::UnitId id, std::uint32_t level, core::Text caption,
                                                    std::string handler) {
  MenuItemDescription& item = menu_.emplace_back();
  item.id = id;
  item.level = level;
  item.caption = std::move(caption);
  item.handler = std::move(handler);
  return item;
}

}  // namespace vorlix::tools
