#pragma once

#include <cstddef>
#include <vector>

#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The order in which a window's units are made and stacked, worked out from
// its record table alone.

constexpr int kFirstControlId = 100;
constexpr int kControlIdStep = 10;

struct PlannedUnit {
  std::size_t record_index = 0;
  UnitId id = 0;
  int control_id = 0;
};

// The unit stored last (the oldest) first, menu items skipped; control ids
// 100, 110, ... in that order.
std::vector<PlannedUnit> CreationOrder(const WindowRecord& window);

// Each unit with the unit it lies directly below in its parent, or 0 for
// the top: walking the records from entry 1, each is put after the nearest
// preceding record with the same parent. Applied in the order given.
struct StackingStep {
  UnitId unit = 0;
  UnitId below = 0;
};
std::vector<StackingStep> StackingOrder(const WindowRecord& window);

// The nearest record before `unit` in the table with the same parent, or 0.
UnitId PrecedingSibling(const WindowRecord& window, UnitId unit);

// The children of a paged container that start hidden: those after its
// first page separator.
std::vector<UnitId> ChildrenOfLaterPages(const UnitRecord& container);

}  // namespace vorlix::core
