#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/core/values/value.h"

// The search-folder list as the two values kept in gxbx.ini: the rows'
// texts (bxjl) and the indices of the checked rows (gxbx).
namespace vorlix::app {

// Each row's text followed by a comma; the empty text for no rows. A text
// holding a comma, or starting with a double quote, is written inside
// double quotes with its own quotes doubled, so that it comes back as one
// row. No Windows path holds a double quote, so such a piece never stood in
// a list written before, and those lists read as they always did.
core::Text JoinFolderRows(std::span<const core::Text> rows);

// The rows of a saved list: the pieces between commas, empty ones kept
// except after the last comma; a piece that opens with a double quote and
// closes with one just before a comma or the end is one quoted row.
std::vector<core::Text> SplitFolderRows(std::string_view saved);

// The indices in decimal joined by commas; "-1" for none.
core::Text JoinCheckedRows(std::span<const std::int32_t> indices);

// Each comma-separated piece read as an integer (a piece that is no number
// gives 0); none for "-1" or the empty text.
std::vector<std::int32_t> SplitCheckedRows(std::string_view saved);

}  // namespace vorlix::app
