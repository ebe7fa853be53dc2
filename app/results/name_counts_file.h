#pragma once

#include <span>
#include <string>

#include "app/search/names/name_counts.h"
#include "app/search/search_run.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// How many paths of each name the counts file shows.
inline constexpr std::size_t kCountsPathsShown = 10;

// The counts file (UTF-8 CSV with its byte-order mark): a line of column
// names, then the names that found several files under their heading
// line, then the other names (under a heading of their own when the first
// group is there), each group in the names' order. A name's line holds the
// name, its count and its first paths, one a field. A name that found
// nothing and has suggestions (by its lowered text) gives them one a field
// in the last column, after room for the paths.
std::string NameCountsFile(std::span<const core::Text> names, std::span<const NameCounts::Count> counts,
                           const SuggestedPaths& suggestions);

}  // namespace vorlix::app
