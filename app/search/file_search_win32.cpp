#include "app/search/file_search.h"

#include <algorithm>
#include <optional>
#include <thread>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/search/event_budget.h"
#include "app/search/file_walk.h"
#include "app/search/folder_index_use.h"
#include "app/search/row_sources.h"
#include "app/search/search_run.h"
#include "runtime/commands/conversion_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "texts.h"

namespace vorlix::app {
namespace {

using namespace main_window;

// Marks the search as running for the life of one run, however it ends.
class RunningSearch {
 public:
  RunningSearch() { SetSearchRunning(true); }
  ~RunningSearch() { SetSearchRunning(false); }
  RunningSearch(const RunningSearch&) = delete;
  RunningSearch& operator=(const RunningSearch&) = delete;
};

// Each match becomes the top row: the newest match is shown first. A row
// keeps the tag of the root it was found under.
class ResultRows : public FileWalkSink {
 public:
  explicit ResultRows(EventBudget& budget) : budget_(budget) {}

  void SetRootTag(std::int32_t tag) { root_tag_ = tag; }

  void OnRow(std::string_view folder, std::string_view name, std::string_view, std::uint32_t) override {
    path_.assign(folder).append(name);
    const std::string_view texts[] = {path_, name};
    commands::ListViewInsertRow(results_, 0, texts, root_tag_);
  }
  bool ShouldStop() override { return !budget_.KeepGoing(); }

 private:
  EventBudget& budget_;
  const core::UnitReference results_ = MainWindowList(超级列表框1);
  core::Text path_;
  std::int32_t root_tag_ = 0;
};

// Two threads list (and compare) folders ahead while the window thread
// takes in rows, so the search costs less than one plain listing of the
// tree under Wine; more would make a disk seek between more folders.
constexpr unsigned kListingThreads = 2;

// The list shows every row once the window turns to its messages, right
// after the search: a stop then ends the search without waiting for the
// count change and its repaint.
void ShowEndStatus(const core::UnitReference& results) {
  commands::ListViewFlushCountSoon(results);
  const std::int32_t rows = commands::ListViewGetCount(results);
  SetLabelCaption(标签_状态, core::Text(texts::kFilesFoundBefore) + commands::ToText(core::Value(rows)) +
                                 core::Text(texts::kFoundAfter));
}

// The folders' stamps are read ahead while the names are made into a
// matcher on a thread of its own: for thousands of names to be found
// anywhere in a file's name, each takes tens of milliseconds.
bool ReadStampsWhileBuilding(std::optional<NameMatcher>& matcher, const std::vector<core::Text>& keywords,
                             MatchRule rule, const std::vector<core::Text>& roots, IndexedListing* index,
                             EventBudget& budget) {
  std::jthread building([&] { matcher.emplace(keywords, rule, NameEncoding::kGbk); });
  if (index == nullptr) return true;
  return std::all_of(roots.begin(), roots.end(), [&](const core::Text& root) {
    return index->ReadStampsBelow(root, kListingThreads, [&budget] { return !budget.KeepGoing(); });
  });
}

}  // namespace

void SearchFiles(const std::vector<core::Text>& keywords, std::vector<core::Text>& roots, bool fuzzy) {
  RunningSearch running;
  const MatchRule rule = fuzzy ? MatchRule::kContains : MatchRule::kExactFile;
  SetRuleOfShownRows(rule);
  SetLabelCaption(标签_状态, core::Text(texts::kSearchingFiles));
  EventBudget budget;
  ResultRows rows(budget);
  SetRootsOfShownRows(roots);
  for (core::Text& root : roots) {
    if (!EndsWithSeparator(root, '\\', NameEncoding::kGbk)) root += '\\';
  }
  SearchIndex index(FolderIndexForSearch(), SystemFolderLister(), [&budget] { return budget.KeepGoing(); });
  std::optional<NameMatcher> matcher;
  if (ReadStampsWhileBuilding(matcher, keywords, rule, roots, index.listing(), budget)) {
    for (std::size_t at = 0; at < roots.size(); ++at) {
      rows.SetRootTag(RowTagOfRoot(at));
      if (!WalkFiles(roots[at], *matcher, SystemFolderLister(), rows, {kListingThreads, index.listing()})) break;
    }
  }
  index.HandBack();
  if (budget.WindowClosed()) throw MainWindowClosed{};
  ShowEndStatus(MainWindowList(超级列表框1));
}

}  // namespace vorlix::app
