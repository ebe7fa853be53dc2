#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "app/search/names/name_matcher.h"

namespace vorlix::app {

// How many different files each typed name found: for every name, the
// distinct paths among the rows whose own name (the last component of the
// path) matches it under the rule of the search that gave the rows, as
// FoundNames judges them, with the first few of those paths in row order.
// A path that several rows give (two overlapping roots reaching one file,
// or two copies of one keyword) counts once; with GBK, the Windows texts,
// paths that differ only in the case of ASCII letters are one file. An
// empty name matches no file.
class NameCounts {
 public:
  NameCounts(std::span<const std::string> names, MatchRule rule, NameEncoding encoding, std::size_t paths_kept);

  void AddRow(std::string_view path, char separator);

  struct Count {
    std::size_t files = 0;
    std::vector<std::string> first_paths;  // at most paths_kept, in row order
  };
  // One per name, in the names' order.
  const std::vector<Count>& counts() const { return counts_; }

 private:
  bool IsNewPath(std::string_view path);

  NameMatcher matcher_;
  std::size_t paths_kept_;
  std::vector<Count> counts_;
  std::unordered_set<std::string> seen_;
  NameMatcher::Scratch scratch_;
  LoweredName lowered_;
  std::vector<std::uint32_t> matched_;
};

// The order in which the counts are shown: the names that found more than
// one file, in their order, then the others in theirs.
struct CountsOrder {
  std::vector<std::size_t> several;
  std::vector<std::size_t> rest;
};
CountsOrder OrderOfCounts(std::span<const NameCounts::Count> counts);

}  // namespace vorlix::app
