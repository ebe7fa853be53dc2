#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// The search roots of the rows in the result list. Each row keeps in its
// item data a tag naming the root that found it (the root's place, from
// 1; 0 names none): a few bytes, where a second copy of the path would
// cost its length. The rows' roots are replaced with every search, whose
// rows replace the list's. Window thread.
void SetRootsOfShownRows(const std::vector<core::Text>& roots);
std::int32_t RowTagOfRoot(std::size_t root_index);

// The root that a row's tag names; nullptr for 0 or a tag of no root.
const core::Text* RootOfRowTag(std::int32_t tag);

}  // namespace vorlix::app
