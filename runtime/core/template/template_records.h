#pragma once

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

#include "runtime/core/values/identifiers.h"
#include "runtime/core/template/property_value.h"

namespace vorlix::core {

// The stored window definitions, record by record, as the window template
// segment holds them. Reserved words are kept as read so that a loaded
// record can be written again unchanged.

// The stored handler word for "no handler".
constexpr std::uint32_t kNoHandlerOffset = 0xFFFFFFFF;

struct EventBinding {
  // 0 and above: the type's own events; below 0: the events of every visual unit.
  std::int32_t event = 0;
  // Distance of the handler's entry from the application code base.
  std::uint32_t handler_offset = kNoHandlerOffset;
  // Filled by the loader: the handler's entry, 0 when there is none. Not stored.
  std::uintptr_t handler = 0;

  bool operator==(const EventBinding&) const = default;
};

// The state-flag bits of a unit record.
namespace state_flags {
constexpr std::uint32_t kVisible = 1u << 0;
constexpr std::uint32_t kDisabled = 1u << 1;
constexpr std::uint32_t kTabStop = 1u << 2;
}  // namespace state_flags

// The item-flag bits of a menu item record.
namespace menu_flags {
constexpr std::uint32_t kHidden = 1u << 0;
constexpr std::uint32_t kDisabled = 1u << 1;
constexpr std::uint32_t kChecked = 1u << 2;
}  // namespace menu_flags

// The window's own record and every unit.
struct UnitRecord {
  UnitTypeCode type = 0;
  // 0, or a unit of the same type whose event bindings this unit uses.
  UnitId linked_unit = 0;
  std::array<std::uint8_t, 16> reserved{};
  Text name;
  Text comment;
  // The stored words of the two run-time slots (0 when stored). The live
  // unit and its cursor are kept by the window builder, not here: a 64-bit
  // object does not fit a stored word.
  std::uint32_t object_slot = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint32_t pointer_slot = 0;
  // The container unit holding this one; 0 = the window itself.
  UnitId parent = 0;
  // Units placed on this container; in a paged container 0 separates pages.
  std::vector<UnitId> children;
  // Mouse pointer: empty, a u32 pointer number, or -1 and a cursor file.
  ByteSet pointer_data;
  Text tag;
  std::uint32_t reserved_after_tag = 0;
  std::uint32_t state = 0;
  std::uint32_t tab_order = 0;
  std::vector<EventBinding> bindings;
  std::array<std::uint8_t, 20> reserved_tail{};
  // The type's own properties, read by the type when it creates the unit.
  ByteSet property_data;

  bool operator==(const UnitRecord&) const = default;
};

struct MenuItemRecord {
  UnitTypeCode type = type_codes::kMenu;
  UnitId linked_unit = 0;
  std::array<std::uint8_t, 16> reserved{};
  Text name;
  Text comment;
  // 0 none, 1-77 an entry of the runtime's table of key combinations.
  std::uint32_t shortcut = 0;
  // 0 for a top-level item, 1 for an item of its popup, and so on.
  std::uint32_t level = 0;
  std::uint32_t flags = 0;
  // "-" makes a separator.
  Text caption;
  std::uint32_t handler_offset = kNoHandlerOffset;
  std::array<std::uint8_t, 16> runtime_slots{};
  // Filled by the loader: the handler's entry, 0 when there is none. Not stored.
  std::uintptr_t handler = 0;

  bool operator==(const MenuItemRecord&) const = default;
};

struct TemplateRecord {
  UnitId id = 0;
  std::variant<UnitRecord, MenuItemRecord> body;

  bool IsMenuItem() const { return std::holds_alternative<MenuItemRecord>(body); }
  UnitRecord* Unit() { return std::get_if<UnitRecord>(&body); }
  const UnitRecord* Unit() const { return std::get_if<UnitRecord>(&body); }
  MenuItemRecord* MenuItem() { return std::get_if<MenuItemRecord>(&body); }
  const MenuItemRecord* MenuItem() const { return std::get_if<MenuItemRecord>(&body); }

  bool operator==(const TemplateRecord&) const = default;
};

struct WindowRecord {
  std::uint32_t reserved = 0;
  // Kind 1, class 9; kept, not used for loading.
  std::uint32_t module_id = 0;
  Text text_a;
  Text text_b;
  // Entry 0 is the window's own record; then units, most recently created
  // first, and the window's menu items as one run.
  std::vector<TemplateRecord> records;

  bool operator==(const WindowRecord&) const = default;
};

struct WindowTemplate {
  WindowId id = 0;
  WindowRecord record;

  bool operator==(const WindowTemplate&) const = default;
};

// Every window of the program, in stored order.
using TemplateSegment = std::vector<WindowTemplate>;

}  // namespace vorlix::core
