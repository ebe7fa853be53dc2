#include "app/results/row_walk.h"

#include "app/mainwindow/main_window_access.h"
#include "app/search/row_sources.h"

namespace vorlix::app {

std::vector<CheckedRow> CheckedRowsOf(const core::UnitReference& list) {
  std::vector<commands::ListViewRowId> ids;
  std::vector<std::int32_t> indices;
  commands::ListViewGetCheckedRows(list, ids, indices);
  std::vector<CheckedRow> rows;
  rows.reserve(ids.size());
  for (std::size_t i = 0; i < ids.size(); ++i) rows.push_back({ids[i], indices[i]});
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

core::Text RowPathOnDisk(const commands::RowsCopy& rows, std::size_t row) {
  return PathOnDiskOfRow(core::Text(rows.Text(row)), rows.ItemData(row));
}

core::Text RowPathOnDisk(const core::UnitReference& list, std::int32_t index) {
  return PathOnDiskOfRow(commands::ListViewGetText(list, index, 0), commands::ListViewGetItemData(list, index));
}

}  // namespace vorlix::app
