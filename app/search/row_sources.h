#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// What the rows of the result list came from: the search root that found
// each, and the name as on disk of a file whose row shows its lowered name.
// File actions work on the name as on disk, so that a copy keeps the
// file's own name and, where names differ only in case, the row's own
// file is the one acted on.
//
// Each row keeps in its item data a tag, a few bytes where a second copy
// of the path would cost its length: above 0 it names the root (its place,
// from 1) of a row whose name is as on disk; below 0 a kept name on disk
// (-1 the first), which records its root too; 0 names none. The sources
// are replaced with every search, whose rows replace the list's. Window
// thread.
void SetRootsOfShownRows(const std::vector<core::Text>& roots);
std::int32_t RowTagOfRoot(std::size_t root_index);
// The tag of a file row found under the root, keeping its name on disk when
// that is not the row's lowered name (both of one size).
std::int32_t RowTagOfFile(std::size_t root_index, std::string_view lowered_name, std::string_view name_on_disk);

// The root that a row's tag names; nullptr for 0 or a tag of no root.
const core::Text* RootOfRowTag(std::int32_t tag);
// The row's path with its last `name` as on disk: the path itself unless
// the tag keeps another name.
core::Text PathOnDiskOfRow(const core::Text& row_path, std::int32_t tag);

}  // namespace vorlix::app
