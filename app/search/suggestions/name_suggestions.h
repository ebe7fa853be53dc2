#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/search/names/name_matcher.h"
#include "app/search/suggestions/walked_files.h"

namespace vorlix::app {

// For each keyword, the paths (folder and name) of up to three walked
// files near it by SuggestionFinder's rule, nearest first, then in the
// order walked. The name in the path is as on disk, or lowered as the
// result list shows it when `lowered_paths`. `should_stop` is polled every
// few thousand files; nothing when it said stop.
std::optional<std::vector<std::vector<std::string>>> SuggestPaths(std::span<const std::string> keywords,
                                                                  MatchRule rule, NameEncoding encoding,
                                                                  const WalkedFiles& walked, bool lowered_paths,
                                                                  const std::function<bool()>& should_stop);

}  // namespace vorlix::app
