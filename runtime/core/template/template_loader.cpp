#include "runtime/core/template/template_loader.h"

#include <algorithm>

#include "runtime/core/template/byte_reader.h"
#include "runtime/core/values/fatal_error.h"
#include "runtime/core/template/template_segment_codec.h"
#include "texts.h"

namespace vorlix::core {
namespace {

// Throws MalformedData for an offset that names no entry of the table.
std::uintptr_t Relocate(std::uint32_t offset, const ApplicationCodeBase& code_base) {
  if (offset == kNoHandlerOffset) return 0;
  if (offset >= code_base.size || code_base.entry_size == 0 || offset % code_base.entry_size != 0) {
    throw MalformedData("a handler offset of " + std::to_string(offset) + " names no handler");
  }
  return code_base.address + offset;
}

void RelocateHandlers(TemplateSegment& windows, const ApplicationCodeBase& code_base) {
  for (auto& window : windows) {
    for (auto& record : window.record.records) {
      if (auto* item = record.MenuItem()) {
        item->handler = Relocate(item->handler_offset, code_base);
        continue;
      }
      for (auto& binding : record.Unit()->bindings) binding.handler = Relocate(binding.handler_offset, code_base);
    }
  }
}

template <typename Records>
auto FindIn(Records& records, UnitId unit) -> decltype(&records[0]) {
  if (records.empty()) return nullptr;
  if (unit == 0) return &records[0];
  auto found = std::find_if(records.begin(), records.end(), [&](const auto& record) { return record.id == unit; });
  return found == records.end() ? nullptr : &*found;
}

}  // namespace

TemplateSegment LoadSegment(std::span<const std::uint8_t> segment, const ApplicationCodeBase& code_base) {
  try {
    TemplateSegment windows = ParseSegment(segment);
    RelocateHandlers(windows, code_base);
    return windows;
  } catch (const MalformedData&) {
    FatalError(texts::kTemplateSegmentError);
  }
}

WindowTemplate* FindWindow(TemplateSegment& windows, WindowId id) {
  auto found = std::find_if(windows.begin(), windows.end(), [&](const auto& window) { return window.id == id; });
  return found == windows.end() ? nullptr : &*found;
}

const WindowTemplate* FindWindow(const TemplateSegment& windows, WindowId id) {
  return FindWindow(const_cast<TemplateSegment&>(windows), id);
}

TemplateRecord* FindRecord(WindowRecord& window, UnitId unit) { return FindIn(window.records, unit); }

const TemplateRecord* FindRecord(const WindowRecord& window, UnitId unit) { return FindIn(window.records, unit); }

TemplateRecord* RecordAt(WindowRecord& window, std::size_t index) {
  return index < window.records.size() ? &window.records[index] : nullptr;
}

const UnitRecord& BindingSource(const WindowRecord& window, const UnitRecord& record) {
  const UnitRecord* current = &record;
  std::vector<const UnitRecord*> visited{current};
  while (current->linked_unit != 0) {
    const TemplateRecord* linked = FindRecord(window, current->linked_unit);
    const UnitRecord* next = linked != nullptr ? linked->Unit() : nullptr;
    if (next == nullptr || next->type != current->type) break;
    if (std::find(visited.begin(), visited.end(), next) != visited.end()) break;
    visited.push_back(next);
    current = next;
  }
  return *current;
}

std::uintptr_t HandlerFor(const WindowRecord& window, const TemplateRecord& record, std::int32_t event) {
  if (const auto* item = record.MenuItem()) return item->handler;
  const auto& bindings = BindingSource(window, *record.Unit()).bindings;
  auto found = std::find_if(bindings.begin(), bindings.end(), [&](const auto& binding) { return binding.event == event; });
  return found == bindings.end() ? 0 : found->handler;
}

}  // namespace vorlix::core
