#include "app/search/names/folder_name_matches.h"

#include <algorithm>

namespace vorlix::app {

void FolderNameMatches::Add(std::string_view folder) {
  lowered_.Assign(LastComponent(folder, separator_, matcher_.encoding()), matcher_.encoding());
  matcher_.Match(lowered_, scratch_, matched_);
  if (matched_.empty()) return;
  const auto index = static_cast<std::uint32_t>(folders_.size());
  folders_.emplace_back(folder);
  for (const std::uint32_t keyword : matched_) rows_.emplace_back(keyword, index);
  sorted_ = false;
}

// Rows were added folder by folder; a stable sort by keyword keeps the
// folders' order within each keyword.
void FolderNameMatches::SortByKeyword() {
  if (sorted_) return;
  std::stable_sort(rows_.begin(), rows_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  sorted_ = true;
}

void FolderNameMatches::Clear() {
  folders_.clear();
  rows_.clear();
  sorted_ = true;
}

}  // namespace vorlix::app
