#include "app/results/list_view_sorting.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include "app/mainwindow/window_lifetime.h"
#include "app/results/sorted_order.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/thread_commands.h"

namespace vorlix::app {
namespace {

// Below this many rows a sort takes a few tens of milliseconds at most and
// is done at once, as a user clicking a short list expects.
constexpr std::size_t kRowsSortedAtOnce = 20000;

struct SortJob {
  core::UnitReference list;
  std::int32_t column = 0;
  bool case_sensitive = true;
  bool ascending = true;
  std::uint64_t rows_version = 0;
  commands::ColumnTexts keys;
  std::atomic<bool> dropped{false};
};

// The sort whose order lands next; any other is dropped.
std::shared_ptr<SortJob> pending_sort;

std::vector<std::int32_t> OrderOf(const SortJob& job) {
  std::vector<std::string_view> keys;
  keys.reserve(job.keys.size());
  for (std::size_t i = 0; i < job.keys.size(); ++i) keys.push_back(job.keys[i]);
  std::vector<std::int32_t> order = SortedOrder(keys, job.case_sensitive);
  if (!job.ascending) std::reverse(order.begin(), order.end());
  return order;
}

void Land(const std::shared_ptr<SortJob>& job, const std::vector<std::int32_t>& order) {
  if (pending_sort != job) return;
  pending_sort.reset();
  if (!MainWindowOpen()) return;
  if (commands::ListViewGetRowsVersion(job->list) != job->rows_version) {
    SortListView(job->list, job->column, job->case_sensitive, job->ascending);
    return;
  }
  commands::ListViewReorderRows(job->list, order);
}

}  // namespace

void SortListView(const core::UnitReference& list, std::int32_t column, bool case_sensitive, bool ascending) {
  auto job = std::make_shared<SortJob>();
  job->list = list;
  job->column = column;
  job->case_sensitive = case_sensitive;
  job->ascending = ascending;
  job->rows_version = commands::ListViewGetRowsVersion(list);
  job->keys = commands::ListViewGetColumnTexts(list, column);
  if (pending_sort) pending_sort->dropped = true;
  pending_sort = job;
  if (job->keys.size() < kRowsSortedAtOnce) {
    Land(job, OrderOf(*job));
    return;
  }
  const bool started = commands::StartThread([job](std::int32_t) {
    std::vector<std::int32_t> order = OrderOf(*job);
    job->keys = {};
    if (job->dropped) return;
    commands::RunOnWindowThread([job, order = std::move(order)] { Land(job, order); });
  });
  if (!started) Land(job, OrderOf(*job));
}

bool ListSortPending() { return pending_sort != nullptr; }

}  // namespace vorlix::app
