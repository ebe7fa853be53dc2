#include "runtime/core/events/focus_order.h"

#include <algorithm>

#include "runtime/core/template/build_plan.h"

namespace vorlix::core {

std::vector<UnitId> TabStopOrder(const WindowRecord& window) {
  std::vector<const TemplateRecord*> stops;
  for (const auto& planned : CreationOrder(window)) {
    const TemplateRecord& record = window.records[planned.record_index];
    if ((record.Unit()->state & state_flags::kTabStop) != 0) stops.push_back(&record);
  }
  std::stable_sort(stops.begin(), stops.end(), [](const TemplateRecord* a, const TemplateRecord* b) {
    return a->Unit()->tab_order < b->Unit()->tab_order;
  });
  std::vector<UnitId> order;
  for (const auto* record : stops) order.push_back(record->id);
  return order;
}

}  // namespace vorlix::core
