#include "app/search/names/found_names.h"

namespace vorlix::app {

FoundNames::FoundNames(std::span<const std::string> names, MatchRule rule, NameEncoding encoding)
    : matcher_(names, rule, encoding), found_(names.size(), false) {
  for (const std::string& name : names) empty_.push_back(name.empty());
}

void FoundNames::AddRow(std::string_view column_0, char separator) {
  any_row_ = true;
  lowered_.Assign(LastComponent(column_0, separator, matcher_.encoding()), matcher_.encoding());
  matcher_.Match(lowered_, scratch_, matched_);
  for (const std::uint32_t name : matched_) found_[name] = true;
}

std::vector<std::size_t> FoundNames::NotFound() const {
  std::vector<std::size_t> missing;
  for (std::size_t name = 0; name < found_.size(); ++name) {
    // The matcher never matches an empty name; any row finds it.
    if (!found_[name] && !(any_row_ && empty_[name])) missing.push_back(name);
  }
  return missing;
}

}  // namespace vorlix::app
