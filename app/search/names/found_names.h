#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/names/name_matcher.h"

namespace vorlix::app {

// Which of the typed names the rows of a search found. A name is found when
// the own name of at least one row (the last component of its column 0)
// matches it under the rule of the search that gave the rows: kExactFile
// after an exact file search, kExactWhole after an exact folder-name
// search, kContains after a fuzzy one; ASCII case is ignored. An empty
// name is found when there is any row at all. Each row name goes through
// one matcher built over the names, so the cost follows names + rows.
class FoundNames {
 public:
  FoundNames(std::span<const std::string> names, MatchRule rule, NameEncoding encoding);

  void AddRow(std::string_view column_0, char separator);

  // The indices of the names not found, in order.
  std::vector<std::size_t> NotFound() const;

 private:
  NameMatcher matcher_;
  std::vector<bool> found_;
  std::vector<bool> empty_;
  bool any_row_ = false;
  NameMatcher::Scratch scratch_;
  LoweredName lowered_;
  std::vector<std::uint32_t> matched_;
};

}  // namespace vorlix::app
