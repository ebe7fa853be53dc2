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
constexpr std::int32_t kRowsSortedAtOnce = 20000;
// The keys of a bigger list are copied this many rows per turn of the
// window thread, which answers in between.
constexpr std::int32_t kKeysPerTurn = 65536;

struct SortJob {
  core::UnitReference list;
  std::int32_t column = 0;
  bool case_sensitive = true;
  bool ascending = true;
  std::uint64_t rows_version = 0;
  std::int32_t row_count = 0;
  commands::RowsCopy keys;
  std::atomic<bool> dropped{false};
};

// The sort whose order lands next; any other is dropped.
std::shared_ptr<SortJob> pending_sort;

std::vector<std::int32_t> OrderOf(const SortJob& job) {
  std::vector<std::string_view> keys;
  keys.reserve(job.keys.size());
  for (std::size_t i = 0; i < job.keys.size(); ++i) keys.push_back(job.keys.Text(i));
  std::vector<std::int32_t> order = SortedOrder(keys, job.case_sensitive);
  if (!job.ascending) std::reverse(order.begin(), order.end());
  return order;
}

// Rows that came, went or changed since the sort began are sorted anew as
// they are now.
bool RowsChanged(const SortJob& job) { return commands::ListViewGetRowsVersion(job.list) != job.rows_version; }

void Land(const std::shared_ptr<SortJob>& job, const std::vector<std::int32_t>& order) {
  if (pending_sort != job) return;
  pending_sort.reset();
  if (!MainWindowOpen()) return;
  if (RowsChanged(*job)) {
    SortListView(job->list, job->column, job->case_sensitive, job->ascending);
    return;
  }
  commands::ListViewReorderRows(job->list, order);
}

void OrderOnThread(const std::shared_ptr<SortJob>& job) {
  const bool started = commands::StartThread([job](std::int32_t) {
    std::vector<std::int32_t> order = OrderOf(*job);
    job->keys = {};
    if (job->dropped) return;
    commands::RunOnWindowThread([job, order = std::move(order)] { Land(job, order); });
  });
  if (!started) Land(job, OrderOf(*job));
}

void CopyKeys(const std::shared_ptr<SortJob>& job) {
  if (pending_sort != job) return;
  if (!MainWindowOpen()) {
    pending_sort.reset();
    return;
  }
  if (RowsChanged(*job)) {
    SortListView(job->list, job->column, job->case_sensitive, job->ascending);
    return;
  }
  const auto copied = static_cast<std::int32_t>(job->keys.size());
  const std::int32_t stretch = copied + kKeysPerTurn < job->row_count ? kKeysPerTurn : job->row_count - copied;
  commands::ListViewAppendRows(job->list, job->column, copied, stretch, job->keys);
  // A stretch that brought nothing ends the copy: Land finds the rows changed.
  const auto now_copied = static_cast<std::int32_t>(job->keys.size());
  if (now_copied > copied && now_copied < job->row_count && commands::RunOnWindowThread([job] { CopyKeys(job); })) {
    return;
  }
  // Without a turn to come, the rest now.
  commands::ListViewAppendRows(job->list, job->column, static_cast<std::int32_t>(job->keys.size()), job->row_count,
                               job->keys);
  OrderOnThread(job);
}

}  // namespace

void SortListView(const core::UnitReference& list, std::int32_t column, bool case_sensitive, bool ascending) {
  auto job = std::make_shared<SortJob>();
  job->list = list;
  job->column = column;
  job->case_sensitive = case_sensitive;
  job->ascending = ascending;
  job->rows_version = commands::ListViewGetRowsVersion(list);
  job->row_count = commands::ListViewGetCount(list);
  if (pending_sort) pending_sort->dropped = true;
  pending_sort = job;
  if (job->row_count < kRowsSortedAtOnce) {
    commands::ListViewAppendRows(list, column, 0, job->row_count, job->keys);
    Land(job, OrderOf(*job));
    return;
  }
  CopyKeys(job);
}

bool ListSortPending() { return pending_sort != nullptr; }

}  // namespace vorlix::app
