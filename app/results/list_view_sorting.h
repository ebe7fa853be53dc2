#pragma once

#include <cstdint>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// Sorts the rows of the list by the texts of one column, in the order of
// SortedOrder (ascending, or that order reversed). Rows move whole: their
// texts with their check marks, selection and focus, so a checked row
// still names the file that was checked. Gives the milliseconds it took.
std::int32_t SortListView(const core::UnitReference& list, std::int32_t column, bool case_sensitive, bool ascending);

}  // namespace vorlix::app
