#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/core/values/identifiers.h"
#include "runtime/core/template/unit_property_data.h"

namespace vorlix::tools {

// A declarative description of windows, from which the generator writes the
// window template segment. Units are listed in creation order (oldest
// first); events name their handlers, which the generator binds by offset
// into the application's handler table.

struct UnitDescription {
  UnitDescription(core::UnitTypeCode type, core::UnitId id, core::Text name);

  UnitDescription& At(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
  UnitDescription& Visible();
  UnitDescription& Disabled();
  UnitDescription& TabStop();
  // Placed on a container unit of the same window.
  UnitDescription& In(core::UnitId container);
  // Uses the event bindings of another unit of the same type.
  UnitDescription& LinkedTo(core::UnitId unit);
  UnitDescription& Tag(core::Text tag);
  // A type property; throws DescriptionError when the type refuses it. A
  // unit none of whose properties is set stores empty property data, which
  // gives every property its default.
  UnitDescription& Set(int property, core::PropertyValue value);
  UnitDescription& On(std::int32_t event, std::string handler);

  core::UnitTypeCode type;
  core::UnitId id;
  core::Text name;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint32_t state = 0;
  core::UnitId parent = 0;
  core::UnitId linked_unit = 0;
  core::Text tag;
  std::vector<std::pair<std::int32_t, std::string>> events;
  core::UnitPropertyData properties;
  bool properties_set = false;
};

struct MenuItemDescription {
  MenuItemDescription& Hidden();
  MenuItemDescription& Disabled();
  MenuItemDescription& Checked();
  // 1-77: an entry of the runtime's table of key combinations.
  MenuItemDescription& Shortcut(std::uint32_t key_combination);

  core::UnitId id = 0;
  std::uint32_t level = 0;
  core::Text caption;
  // Empty: no handler.
  std::string handler;
  std::uint32_t shortcut = 0;
  std::uint32_t flags = 0;
};

class WindowDescription {
 public:
  // module_id: kind 1, class 9; kept in the segment, not used for loading.
  WindowDescription(core::WindowId id, std::uint32_t module_id);

  // The window's own record: position, size, states, window properties and
  // the window's events.
  UnitDescription& Frame() { return frame_; }
  // The next unit in creation order.
  UnitDescription& AddUnit(core::UnitTypeCode type, core::UnitId id, core::Text name);
  // The next item of the window's menu run; a popup's items follow it one
  // level deeper.
  MenuItemDescription& AddMenuItem(core::UnitId id, std::uint32_t level, core::Text caption,
                                   std::string handler = {});

  core::WindowId id() const { return id_; }
  std::uint32_t module_id() const { return module_id_; }
  const UnitDescription& frame() const { return frame_; }
  const std::deque<UnitDescription>& units() const { return units_; }
  const std::deque<MenuItemDescription>& menu() const { return menu_; }

 private:
  core::WindowId id_;
  std::uint32_t module_id_;
  UnitDescription frame_;
  // Deques keep the references handed out by AddUnit and AddMenuItem valid.
  std::deque<UnitDescription> units_;
  std::deque<MenuItemDescription> menu_;
};

struct TemplateDescription {
  std::vector<WindowDescription> windows;
  // The application's handler table, in table order: a handler's offset is
  // its position times the size of one entry.
  std::vector<std::string_view> handler_names;
};

// Defined by each description: what the generator built with it writes.
TemplateDescription DescribeTemplates();

}  // namespace vorlix::tools
