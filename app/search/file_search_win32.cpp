#include "app/search/file_search.h"

#include <algorithm>
#include <optional>
#include <thread>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/search/event_budget.h"
#include "app/search/walk/file_walk.h"
#include "app/search/folder_index_use.h"
#include "app/search/suggestions/name_suggestions.h"
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
// keeps the tag of the root it was found under, with its name on disk.
// Every file met is kept for the suggestions until every keyword has found
// one.
class ResultRows : public FileWalkSink {
 public:
  ResultRows(EventBudget& budget, std::size_t keywords) : budget_(budget), found_(keywords, false), unfound_(keywords) {}

  void SetRoot(std::size_t root_index) { root_index_ = root_index; }

  void OnRow(std::string_view folder, std::string_view name, std::string_view name_on_disk,
             std::uint32_t keyword) override {
    if (!found_[keyword]) {
      found_[keyword] = true;
      if (--unfound_ == 0) walked_.Clear();
    }
    path_.assign(folder).append(name);
    const std::string_view texts[] = {path_, name};
    commands::ListViewInsertRow(results_, 0, texts, RowTagOfFile(root_index_, name, name_on_disk));
  }
  void OnFile(std::string_view folder, std::string_view name_on_disk) override {
    if (unfound_ > 0) walked_.AddFile(folder, name_on_disk);
  }
  void OnKeptFolder(std::string_view folder, const KeptEntries& kept) override {
    if (unfound_ > 0) walked_.AddKeptFolder(folder, kept);
  }
  bool ShouldStop() override { return !budget_.KeepGoing(); }

  bool Found(std::size_t keyword) const { return found_[keyword]; }
  WalkedFiles& walked() { return walked_; }

 private:
  EventBudget& budget_;
  const core::UnitReference results_ = MainWindowList(超级列表框1);
  core::Text path_;
  std::size_t root_index_ = 0;
  std::vector<bool> found_;
  std::size_t unfound_;
  WalkedFiles walked_;
};

// Two threads list (and compare) folders ahead while the window thread
// takes in rows, so the search costs less than one plain listing of the
// tree under Wine; more would make a disk seek between more folders.
constexpr unsigned kListingThreads = 2;

// The list shows every row once the window turns to its messages, right
// after the search: a stop then ends the search without waiting for the
// count change and its repaint. The names with suggestions are counted
// after the rows, when there are any.
void ShowEndStatus(const core::UnitReference& results, std::size_t suggested) {
  commands::ListViewFlushCountSoon(results);
  const std::int32_t rows = commands::ListViewGetCount(results);
  core::Text status = core::Text(texts::kFilesFoundBefore) + commands::ToText(core::Value(rows)) +
                      core::Text(texts::kFoundAfter);
  if (suggested > 0) {
    status += core::Text(texts::kSuggestedBefore) +
              commands::ToText(core::Value(static_cast<std::int32_t>(suggested))) + core::Text(texts::kSuggestedAfter);
  }
  SetLabelCaption(标签_状态, status);
}

// Finds the files near each keyword that found nothing, among those the
// walk met, processing events on the budget as the walk does; a stop ends
// it with no suggestions. Gives how many keywords have some.
std::size_t SuggestForNotFound(const std::vector<core::Text>& keywords, ResultRows& rows, MatchRule rule,
                               EventBudget& budget) {
  std::vector<std::string> missing;
  for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
    if (!rows.Found(keyword)) missing.push_back(keywords[keyword]);
  }
  if (missing.empty()) return 0;
  const auto paths =
      SuggestPaths(missing, rule, NameEncoding::kGbk, rows.walked(), true, [&budget] { return !budget.KeepGoing(); });
  rows.walked().Clear();
  if (!paths) return 0;
  SuggestedPaths suggestions;
  std::size_t suggested = 0;
  LoweredName lowered;
  for (std::size_t keyword = 0; keyword < missing.size(); ++keyword) {
    if ((*paths)[keyword].empty()) continue;
    ++suggested;
    lowered.Assign(missing[keyword], NameEncoding::kGbk);
    suggestions.emplace(lowered.text(), (*paths)[keyword]);
  }
  SetSuggestionsOfShownRows(std::move(suggestions));
  return suggested;
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
  ResultRows rows(budget, keywords.size());
  SetRootsOfShownRows(roots);
  for (core::Text& root : roots) {
    if (!EndsWithSeparator(root, '\\', NameEncoding::kGbk)) root += '\\';
  }
  SearchIndex index(FolderIndexForSearch(), SystemFolderLister(), [&budget] { return budget.KeepGoing(); });
  std::optional<NameMatcher> matcher;
  bool walked = ReadStampsWhileBuilding(matcher, keywords, rule, roots, index.listing(), budget);
  for (std::size_t at = 0; walked && at < roots.size(); ++at) {
    rows.SetRoot(at);
    walked = WalkFiles(roots[at], *matcher, SystemFolderLister(), rows, {kListingThreads, index.listing(), true});
  }
  index.HandBack();
  const std::size_t suggested = walked ? SuggestForNotFound(keywords, rows, rule, budget) : 0;
  if (budget.WindowClosed()) throw MainWindowClosed{};
  ShowEndStatus(MainWindowList(超级列表框1), suggested);
}

}  // namespace vorlix::app
