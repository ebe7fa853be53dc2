#include "platform/list_view_shown_rows.h"

namespace vorlix::platform {

void ShownRows::Shown(int count) {
  count_ = count;
  insertions_.clear();
}

// A row added at the end moves no row that the control shows, and
// ShownOf finds it past the shown count.
void ShownRows::Inserted(int index, int count_after) {
  if (index >= count_after - 1) return;
  if (!insertions_.empty() && insertions_.back().index == index) {
    ++insertions_.back().count;
  } else {
    insertions_.push_back({index, 1});
  }
}

int ShownRows::RowOf(int shown) const {
  if (shown < 0 || shown >= count_) return -1;
  int row = shown;
  for (const Insertion& insertion : insertions_) {
    if (insertion.index <= row) row += insertion.count;
  }
  return row;
}

int ShownRows::ShownOf(int row) const {
  if (row < 0) return -1;
  for (auto insertion = insertions_.rbegin(); insertion != insertions_.rend(); ++insertion) {
    if (row >= insertion->index + insertion->count) {
      row -= insertion->count;
    } else if (row >= insertion->index) {
      return -1;
    }
  }
  return row < count_ ? row : -1;
}

}  // namespace vorlix::platform
