#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The application's handler table: the handler offsets of the stored
// bindings count from its first byte, and each must name the start of one
// of its entries.
struct ApplicationCodeBase {
  std::uintptr_t address = 0;
  std::size_t size = 0;  // bytes
  std::size_t entry_size = 1;
};

template <typename Entry>
ApplicationCodeBase CodeBaseOf(std::span<const Entry> table) {
  return {reinterpret_cast<std::uintptr_t>(table.data()), table.size_bytes(), sizeof(Entry)};
}

// The entry a relocated handler word names (null for 0, no handler).
template <typename Entry>
const Entry* HandlerEntry(std::uintptr_t handler) {
  return reinterpret_cast<const Entry*>(handler);
}

// Reads the window template segment into the window list and relocates every
// handler word: 0xFFFFFFFF becomes 0 (no handler), any other offset the
// address of its entry. A segment that cannot be read whole, or that names a
// handler outside the table, is the fatal error "载入窗口模板数据段出错!".
TemplateSegment LoadSegment(std::span<const std::uint8_t> segment, const ApplicationCodeBase& code_base);

// Null when no window has that id.
WindowTemplate* FindWindow(TemplateSegment& windows, WindowId id);
const WindowTemplate* FindWindow(const TemplateSegment& windows, WindowId id);

// The record of a unit or menu item; unit 0 is the window's own record
// (entry 0). Null when there is none.
TemplateRecord* FindRecord(WindowRecord& window, UnitId unit);
const TemplateRecord* FindRecord(const WindowRecord& window, UnitId unit);
// Entry `index` of the record table, or null.
TemplateRecord* RecordAt(WindowRecord& window, std::size_t index);

// The unit record whose bindings serve `record`: its linked unit, followed
// while the linked record is a unit of the same type. A chain that comes
// back on itself stops at the last record before the repeat.
const UnitRecord& BindingSource(const WindowRecord& window, const UnitRecord& record);

// The relocated handler bound to an event of a unit (through its linked
// units), or of a menu item (its one handler, whatever the event); 0 when
// there is none.
std::uintptr_t HandlerFor(const WindowRecord& window, const TemplateRecord& record, std::int32_t event);

}  // namespace vorlix::core
