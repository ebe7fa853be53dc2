#include "tools/template_generator/segment_generator.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "runtime/core/template/template_segment_codec.h"
#include "runtime/core/template/unit_type_catalogue.h"

namespace vorlix::tools {
namespace {

using core::UnitId;

// Handler names to stored offsets.
class HandlerOffsets {
 public:
  HandlerOffsets(const std::vector<std::string_view>& names, std::size_t entry_size)
      : names_(names), entry_size_(entry_size) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (std::find(names.begin(), names.begin() + i, names[i]) != names.begin() + i) {
        throw DescriptionError("the handler table names " + std::string(names[i]) + " twice");
      }
    }
  }

  std::uint32_t OffsetOf(const std::string& name, const std::string& user) const {
    if (name.empty()) return core::kNoHandlerOffset;
    auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end()) {
      throw DescriptionError(user + " names the handler '" + name + "', which is not in the handler table");
    }
    return static_cast<std::uint32_t>((found - names_.begin()) * entry_size_);
  }

 private:
  const std::vector<std::string_view>& names_;
  std::size_t entry_size_;
};

bool HasIdForm(std::uint32_t id, std::uint32_t kind, std::uint32_t id_class) {
  return core::IdIsValid(id) && core::IdKind(id) == kind && core::IdClass(id) == id_class;
}

const UnitDescription* FindUnit(const WindowDescription& window, UnitId id) {
  for (const auto& unit : window.units()) {
    if (unit.id == id) return &unit;
  }
  return nullptr;
}

void CheckIds(const WindowDescription& window) {
  if (!HasIdForm(window.id(), 5, 2)) throw DescriptionError("window " + HexId(window.id()) + " is no window id");
  std::set<UnitId> seen;
  for (const auto& unit : window.units()) {
    if (!HasIdForm(unit.id, 1, 6)) throw DescriptionError("unit " + HexId(unit.id) + " has no unit id");
    if (!seen.insert(unit.id).second) throw DescriptionError("unit " + HexId(unit.id) + " is described twice");
  }
  for (const auto& item : window.menu()) {
    if (!HasIdForm(item.id, 2, 6)) throw DescriptionError("menu item " + HexId(item.id) + " has no menu item id");
    if (!seen.insert(item.id).second) throw DescriptionError("menu item " + HexId(item.id) + " is described twice");
  }
}

void CheckPlacement(const WindowDescription& window, const UnitDescription& unit) {
  if (unit.parent != 0) {
    const UnitDescription* container = FindUnit(window, unit.parent);
    const std::uint32_t flags = container != nullptr ? core::FindUnitType(container->type)->flags : 0;
    if ((flags & core::type_flags::kMovesChildren) == 0 || (flags & core::type_flags::kPagedContainer) != 0) {
      throw DescriptionError("unit " + HexId(unit.id) + " is placed on " + HexId(unit.parent) +
                             ", which is no container unit of its window");
    }
  }
  if (unit.linked_unit != 0 && FindUnit(window, unit.linked_unit) == nullptr) {
    throw DescriptionError("unit " + HexId(unit.id) + " is linked to " + HexId(unit.linked_unit) +
                           ", which is no unit of its window");
  }
}

core::UnitRecord MakeUnitRecord(const WindowDescription& window, const UnitDescription& unit,
                                const HandlerOffsets& handlers) {
  core::UnitRecord record;
  record.type = unit.type;
  record.linked_unit = unit.linked_unit;
  record.name = unit.name;
  record.left = unit.left;
  record.top = unit.top;
  record.width = unit.width;
  record.height = unit.height;
  record.parent = unit.parent;
  for (const auto& other : window.units()) {
    if (other.parent == unit.id) record.children.push_back(other.id);
  }
  record.pointer_data = {0, 0, 0, 0};  // the default pointer
  record.tag = unit.tag;
  record.state = unit.state;
  std::set<std::int32_t> events;
  for (const auto& [event, handler] : unit.events) {
    const std::string user = "event " + std::to_string(event) + " of unit " + HexId(unit.id);
    if (!events.insert(event).second) throw DescriptionError(user + " is bound twice");
    record.bindings.push_back({event, handlers.OffsetOf(handler, user)});
  }
  if (unit.properties_set) record.property_data = unit.properties.Emit();
  return record;
}

core::MenuItemRecord MakeMenuItemRecord(const MenuItemDescription& item, std::uint32_t previous_level,
                                        const HandlerOffsets& handlers) {
  if (item.level > previous_level + 1) {
    throw DescriptionError("menu item " + HexId(item.id) + " is more than one level below the item before it");
  }
  if (item.shortcut > 77) throw DescriptionError("menu item " + HexId(item.id) + " has no such shortcut");
  core::MenuItemRecord record;
  record.shortcut = item.shortcut;
  record.level = item.level;
  record.flags = item.flags;
  record.caption = item.caption;
  record.handler_offset = handlers.OffsetOf(item.handler, "menu item " + HexId(item.id));
  return record;
}

// Entry 0, then the units newest first (so the oldest is created first),
// then the menu run.
core::WindowRecord MakeWindowRecord(const WindowDescription& window, const HandlerOffsets& handlers) {
  CheckIds(window);
  core::WindowRecord record;
  record.module_id = window.module_id();
  record.records.push_back({core::kWindowOwnRecordId, MakeUnitRecord(window, window.frame(), handlers)});
  for (auto unit = window.units().rbegin(); unit != window.units().rend(); ++unit) {
    CheckPlacement(window, *unit);
    record.records.push_back({unit->id, MakeUnitRecord(window, *unit, handlers)});
  }
  std::uint32_t previous_level = static_cast<std::uint32_t>(-1);
  for (const auto& item : window.menu()) {
    record.records.push_back({item.id, MakeMenuItemRecord(item, previous_level, handlers)});
    previous_level = item.level;
  }
  return record;
}

}  // namespace

std::string HexId(std::uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", id);
  return text;
}

core::ByteSet GenerateSegment(const TemplateDescription& description, std::size_t handler_entry_size) {
  const HandlerOffsets handlers(description.handler_names, handler_entry_size);
  core::TemplateSegment segment;
  for (const auto& window : description.windows) {
    if (std::any_of(segment.begin(), segment.end(), [&](const auto& w) { return w.id == window.id(); })) {
      throw DescriptionError("window " + HexId(window.id()) + " is described twice");
    }
    segment.push_back({window.id(), MakeWindowRecord(window, handlers)});
  }
  core::ByteSet bytes = core::SerialiseSegment(segment);
  if (core::ParseSegment(bytes) != segment) throw DescriptionError("the segment does not read back as written");
  return bytes;
}

}  // namespace vorlix::tools
