#include "app/results/list_view_sorting.h"

#include <algorithm>
#include <vector>

#include "app/results/sorted_order.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/uptime_command.h"

namespace vorlix::app {

std::int32_t SortListView(const core::UnitReference& list, std::int32_t column, bool case_sensitive, bool ascending) {
  const std::int32_t start = commands::GetUptime();
  const std::int32_t count = commands::ListViewGetCount(list);
  std::vector<core::Text> keys;
  keys.reserve(static_cast<std::size_t>(count));
  for (std::int32_t row = 0; row < count; ++row) keys.push_back(commands::ListViewGetText(list, row, column));
  std::vector<std::int32_t> order = SortedOrder(keys, case_sensitive);
  if (!ascending) std::reverse(order.begin(), order.end());
  commands::ListViewReorderRows(list, order);
  return commands::GetUptime() - start;
}

}  // namespace vorlix::app
