#include "app/search/row_sources.h"

namespace vorlix::app {
namespace {

std::vector<core::Text> roots_of_shown_rows;

}  // namespace

void SetRootsOfShownRows(const std::vector<core::Text>& roots) { roots_of_shown_rows = roots; }

std::int32_t RowTagOfRoot(std::size_t root_index) { return static_cast<std::int32_t>(root_index + 1); }

const core::Text* RootOfRowTag(std::int32_t tag) {
  if (tag < 1 || static_cast<std::size_t>(tag) > roots_of_shown_rows.size()) return nullptr;
  return &roots_of_shown_rows[static_cast<std::size_t>(tag) - 1];
}

}  // namespace vorlix::app
