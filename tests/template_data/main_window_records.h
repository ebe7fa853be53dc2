#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"
#include "runtime/core/template/template_records.h"

// Finding the main window's records by the names the window gives them.
namespace vorlix::tests {

inline core::Text Gbk(std::u16string_view text) { return platform::Utf16ToGbk(text); }

// Null when no unit has that name.
inline const core::TemplateRecord* RecordNamed(const core::WindowRecord& window, std::u16string_view name) {
  const core::Text gbk = Gbk(name);
  for (const auto& record : window.records) {
    if (record.Unit() != nullptr && record.id != core::kWindowOwnRecordId && record.Unit()->name == gbk) {
      return &record;
    }
  }
  return nullptr;
}

// The window's own record for an empty name.
inline core::UnitId UnitIdNamed(const core::WindowRecord& window, std::u16string_view name) {
  if (name.empty()) return core::kWindowOwnRecordId;
  const core::TemplateRecord* record = RecordNamed(window, name);
  return record == nullptr ? 0 : record->id;
}

// Units in the order they are created: the unit stored last first.
inline std::vector<const core::TemplateRecord*> CreationOrder(const core::WindowRecord& window) {
  std::vector<const core::TemplateRecord*> order;
  for (auto record = window.records.rbegin(); record != window.records.rend() - 1; ++record) {
    if (!record->IsMenuItem()) order.push_back(&*record);
  }
  return order;
}

}  // namespace vorlix::tests
