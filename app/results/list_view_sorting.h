#pragma once

#include <cstdint>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// Sorts the rows of the list by the texts of one column, in the order of
// SortedOrder (ascending, or that order reversed). Rows move whole: their
// texts with their check marks, selection and focus, so a checked row
// still names the file that was checked.
//
// A big list is ordered on a thread of its own over a copy of the keys, and
// the new order replaces the old one in one step when it is ready; until
// then the list stays as it was and the window answers. A later sort drops
// one still running. Rows that came, went or changed meanwhile are sorted
// anew as they are then.
void SortListView(const core::UnitReference& list, std::int32_t column, bool case_sensitive, bool ascending);

// True while a sort of a big list has not landed yet.
bool ListSortPending();

}  // namespace vorlix::app
