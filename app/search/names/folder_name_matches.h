#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/names/name_matcher.h"

namespace vorlix::app {

// The rows of a folder-name search over the folders of one root: a folder
// whose own name (its last component) matches gives one row per keyword,
// keyword by keyword, and within a keyword in the order the folders came.
// Only matching folders are kept, so memory follows the rows, not the tree.
class FolderNameMatches {
 public:
  FolderNameMatches(const NameMatcher& matcher, char separator) : matcher_(matcher), separator_(separator) {}

  void Add(std::string_view folder);

  // Calls row(keyword, folder) for every row, in row order.
  template <class Row>
  void ForEachRow(Row&& row) {
    SortByKeyword();
    for (const auto& [keyword, folder] : rows_) row(keyword, std::string_view(folders_[folder]));
  }

  bool empty() const { return rows_.empty(); }
  void Clear();

 private:
  void SortByKeyword();

  const NameMatcher& matcher_;
  char separator_;
  NameMatcher::Scratch scratch_;
  LoweredName lowered_;
  std::vector<std::uint32_t> matched_;
  std::vector<std::string> folders_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> rows_;  // keyword, folder
  bool sorted_ = true;
};

}  // namespace vorlix::app
