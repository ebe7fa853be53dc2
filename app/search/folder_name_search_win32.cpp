#include "app/search/folder_name_search.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "app/mainwindow/external_function_declarations.h"
#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/search/folder_index_use.h"
#include "app/search/names/folder_name_matches.h"
#include "app/search/walk/folder_roots.h"
#include "app/search/row_sources.h"
#include "app/search/search_run.h"
#include "platform/wide_text.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/thread_commands.h"
#include "runtime/commands/conversion_commands.h"
#include "runtime/core/program/external_functions.h"
#include "texts.h"

namespace vorlix::app {
namespace {

using namespace main_window;
using PathIsDirectoryFunction = int __stdcall(const wchar_t* path);

struct FolderSearchJob {
  std::vector<core::Text> keywords;
  std::vector<core::Text> roots;
  bool exact = true;
  PathIsDirectoryFunction* path_is_directory = nullptr;
  FolderIndexStore* index = nullptr;
  std::atomic<bool> stop{false};
  std::mutex lock;
  std::condition_variable finished_signal;
  bool finished = false;
};

std::shared_ptr<FolderSearchJob> running_job;

// Rows go to the window thread a batch at a time, so that neither thread
// waits for the other per row and the list takes them in few updates. A
// row keeps the tag of the root it was found under.
class RowPoster {
 public:
  void Add(const core::Text& folder, std::int32_t root_tag) {
    batch_.push_back({folder, root_tag});
    if (batch_.size() >= kBatchRows || std::chrono::steady_clock::now() - last_post_ >= kBatchPeriod) Post();
  }

  void Post() {
    if (batch_.empty()) return;
    commands::RunOnWindowThread([rows = std::move(batch_)] {
      if (!MainWindowOpen()) return;
      const core::UnitReference list = MainWindowList(超级列表框1);
      for (const auto& [folder, tag] : rows) {
        commands::ListViewInsertItem(list, std::nullopt, folder, std::nullopt, std::nullopt, std::nullopt, tag);
      }
    });
    batch_.clear();
    last_post_ = std::chrono::steady_clock::now();
  }

 private:
  static constexpr std::size_t kBatchRows = 5000;
  static constexpr auto kBatchPeriod = std::chrono::milliseconds(50);
  std::vector<std::pair<core::Text, std::int32_t>> batch_;
  std::chrono::steady_clock::time_point last_post_ = std::chrono::steady_clock::now();
};

void PostEndStatus(const std::shared_ptr<FolderSearchJob>& job) {
  commands::RunOnWindowThread([job] {
    if (running_job == job) running_job.reset();
    SetSearchRunning(false);
    if (!MainWindowOpen()) return;
    const std::int32_t rows = commands::ListViewGetCount(MainWindowList(超级列表框1));
    SetLabelCaption(标签_状态, core::Text(texts::kFoldersFoundBefore) + commands::ToText(core::Value(rows)) +
                                 core::Text(texts::kFoundAfter));
  });
}

// Every folder of a root goes through the matcher as it is collected; the
// matches keep what becomes rows.
class FolderRowCollector : public FolderCollectionSink {
 public:
  FolderRowCollector(FolderNameMatches& matches, const std::atomic<bool>& stop) : matches_(matches), stop_(stop) {}
  void OnFolder(std::string_view path) override { matches_.Add(path); }
  bool ShouldStop() override { return stop_.load(std::memory_order_relaxed); }

 private:
  FolderNameMatches& matches_;
  const std::atomic<bool>& stop_;
};

// Rows come root by root, within a root keyword by keyword, within a
// keyword in the order the folders were collected. A stop ends the whole
// run: the root being collected gives no rows and later roots are left.
void RunFolderSearch(const std::shared_ptr<FolderSearchJob>& job) {
  const NameMatcher matcher(job->keywords, job->exact ? MatchRule::kExactWhole : MatchRule::kContains,
                            NameEncoding::kGbk);
  const auto is_directory = [&job](const core::Text& path) {
    return job->path_is_directory(platform::Wide(path).c_str()) != 0;
  };
  RowPoster rows;
  SearchIndex index(job->index, SystemFolderLister(), [&job] { return !job->stop.load(); });
  for (std::size_t at = 0; at < job->roots.size(); ++at) {
    FolderNameMatches matches(matcher, '\\');
    FolderRowCollector collector(matches, job->stop);
    if (!CollectRootFolders(job->roots[at], is_directory, SystemFolderLister(), collector, index.listing())) break;
    const std::int32_t tag = RowTagOfRoot(at);
    matches.ForEachRow([&rows, tag](std::uint32_t, std::string_view folder) { rows.Add(core::Text(folder), tag); });
  }
  index.HandBack();
  rows.Post();
  PostEndStatus(job);
  std::lock_guard guard(job->lock);
  job->finished = true;
  job->finished_signal.notify_all();
}

}  // namespace

void StartFolderNameSearch(const std::vector<core::Text>& keywords, const std::vector<core::Text>& roots) {
  auto job = std::make_shared<FolderSearchJob>();
  job->keywords = keywords;
  job->roots = roots;
  job->exact = IsChecked(单选框_精确搜索);
  // Resolved here: a name that cannot be found is a fatal error, which
  // belongs on the window thread.
  job->path_is_directory = core::ExternalFunction<PathIsDirectoryFunction>(kPathIsDirectoryW);
  job->index = FolderIndexForSearch();
  SetRuleOfShownRows(job->exact ? MatchRule::kExactWhole : MatchRule::kContains);
  SetRootsOfShownRows(roots);
  SetLabelCaption(标签_状态, core::Text(texts::kSearchingFolders));
  SetSearchRunning(true);
  running_job = job;
  if (!commands::StartThread([job](std::int32_t) { RunFolderSearch(job); })) {
    running_job.reset();
    SetSearchRunning(false);
  }
}

void StopFolderNameSearch() {
  if (running_job) running_job->stop = true;
}

void EndFolderNameSearch() {
  const std::shared_ptr<FolderSearchJob> job = std::exchange(running_job, nullptr);
  if (!job) return;
  job->stop = true;
  std::unique_lock guard(job->lock);
  // A folder listing in progress cannot be cut short; it ends on its own.
  job->finished_signal.wait_for(guard, std::chrono::seconds(10), [&job] { return job->finished; });
}

}  // namespace vorlix::app
