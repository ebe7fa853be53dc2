#include "app/results/row_walk.h"

#include "app/mainwindow/main_window_access.h"
#include "app/search/row_sources.h"

namespace vorlix::app {

std::vector<CheckedRow> CheckedRowsOf(const core::UnitReference& list) {
  std::vector<CheckedRow> rows;
  const std::int32_t count = commands::ListViewGetCount(list);
  for (std::int32_t index = 0; index < count; ++index) {
    if (commands::ListViewGetCheck(list, index) == 1) rows.push_back({commands::ListViewGetRowId(list, index), index});
  }
  return rows;
}

std::vector<CheckedRow> CheckedRowsWithProgress(const core::UnitReference& list, core::UnitId bar) {
  std::vector<CheckedRow> rows = CheckedRowsOf(list);
  SetProgressPosition(bar, 0);
  SetProgressMaximum(bar, static_cast<std::int32_t>(rows.size()));
  return rows;
}

// Most often nothing has moved, and the row is where it was; finding it by
// its identity costs a search of the list.
std::int32_t CheckedIndexNow(const core::UnitReference& list, const CheckedRow& row) {
  std::int32_t index = row.index;
  if (commands::ListViewGetRowId(list, index) != row.id) index = commands::ListViewFindRow(list, row.id);
  if (index < 0 || commands::ListViewGetCheck(list, index) != 1) return -1;
  return index;
}

core::Text RowPathOnDisk(const core::UnitReference& list, std::int32_t index) {
  return PathOnDiskOfRow(commands::ListViewGetText(list, index, 0), commands::ListViewGetItemData(list, index));
}

}  // namespace vorlix::app
