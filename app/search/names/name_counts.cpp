#include "app/search/names/name_counts.h"

namespace vorlix::app {

NameCounts::NameCounts(std::span<const std::string> names, MatchRule rule, NameEncoding encoding,
                       std::size_t paths_kept)
    : matcher_(names, rule, encoding), paths_kept_(paths_kept), counts_(names.size()) {}

// Linux file names differ by case; Windows paths do not.
bool NameCounts::IsNewPath(std::string_view path) {
  if (matcher_.encoding() != NameEncoding::kGbk) return seen_.emplace(path).second;
  lowered_.Assign(path, NameEncoding::kGbk);
  return seen_.emplace(lowered_.text()).second;
}

void NameCounts::AddRow(std::string_view path, char separator) {
  const NameEncoding encoding = matcher_.encoding();
  lowered_.Assign(LastComponent(path, separator, encoding), encoding);
  matcher_.Match(lowered_, scratch_, matched_);
  // Only paths that found a name are kept to be known again: what a path
  // matches depends on the path alone, and most rows of a big list match
  // none (a million kept paths took 150 MB, and half a second to let go).
  if (matched_.empty() || !IsNewPath(path)) return;
  for (const std::uint32_t name : matched_) {
    Count& count = counts_[name];
    ++count.files;
    if (count.first_paths.size() < paths_kept_) count.first_paths.emplace_back(path);
  }
}

CountsOrder OrderOfCounts(std::span<const NameCounts::Count> counts) {
  CountsOrder order;
  for (std::size_t name = 0; name < counts.size(); ++name) {
    (counts[name].files > 1 ? order.several : order.rest).push_back(name);
  }
  return order;
}

}  // namespace vorlix::app
