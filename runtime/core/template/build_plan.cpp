#include "runtime/core/template/build_plan.h"

#include <algorithm>

namespace vorlix::core {

std::vector<PlannedUnit> CreationOrder(const WindowRecord& window) {
  std::vector<PlannedUnit> order;
  for (std::size_t index = window.records.size(); index-- > 1;) {
    const TemplateRecord& record = window.records[index];
    if (record.IsMenuItem()) continue;
    const int control_id = kFirstControlId + kControlIdStep * static_cast<int>(order.size());
    order.push_back({index, record.id, control_id});
  }
  return order;
}

std::vector<StackingStep> StackingOrder(const WindowRecord& window) {
  std::vector<StackingStep> steps;
  for (std::size_t index = 1; index < window.records.size(); ++index) {
    const TemplateRecord& record = window.records[index];
    if (record.IsMenuItem()) continue;
    steps.push_back({record.id, PrecedingSibling(window, record.id)});
  }
  return steps;
}

UnitId PrecedingSibling(const WindowRecord& window, UnitId unit) {
  const auto& records = window.records;
  auto self = std::find_if(records.begin(), records.end(), [&](const TemplateRecord& r) { return r.id == unit; });
  if (self == records.end() || self == records.begin() || self->IsMenuItem()) return 0;
  const UnitId parent = self->Unit()->parent;
  for (auto it = self; it-- != records.begin() + 1;) {
    if (const auto* other = it->Unit(); other != nullptr && other->parent == parent) return it->id;
  }
  return 0;
}

std::vector<UnitId> ChildrenOfLaterPages(const UnitRecord& container) {
  auto separator = std::find(container.children.begin(), container.children.end(), UnitId{0});
  std::vector<UnitId> hidden;
  for (auto it = separator; it != container.children.end(); ++it) {
    if (*it != 0) hidden.push_back(*it);
  }
  return hidden;
}

}  // namespace vorlix::core
