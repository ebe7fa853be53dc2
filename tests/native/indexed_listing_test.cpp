#include "app/search/index/indexed_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_collection.h"
#include "app/search/index/folder_index_file.h"
#include "app/search/index/unchanged_tree_walk.h"
#include "search_engine_fixture.h"

namespace vorlix::app {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;
using testing::FolderLink;
using testing::FolderRecorder;
using testing::RowRecorder;
using Rows = std::vector<std::string>;

constexpr std::uint64_t kSecond = 1000;  // the fake clock counts milliseconds

// A folder tree that changes as a file system does: every change to a
// folder's entries sets its stamps to the clock, in steps of a whole
// second as a coarse file system keeps them, so that a change made within
// the second of a listing leaves the stamp as it was. Links lead to other
// folders of the tree, which hold no links themselves.
class ChangingTree {
 public:
  struct Entry {
    std::string name;
    bool is_folder = false;
    std::string target;  // a link's: the folder it leads to
  };

  explicit ChangingTree(std::uint32_t seed) : random_(seed) {
    AddFolderAt("/", "r");
    for (int i = 0; i < 40; ++i) AddSomething();
  }

  void Advance(std::uint64_t milliseconds) { clock_ += milliseconds; }
  void SetClockBack(std::uint64_t milliseconds) { clock_ -= std::min(clock_ - kSecond, milliseconds); }

  // One change of the kinds a user or a program makes, at random.
  void ChangeSomething() {
    switch (Pick(9)) {
      case 0: case 1: AddSomething(); break;
      case 2: RemoveSomething(); break;
      case 3: RenameSomething(false); break;
      case 4: RenameSomething(true); break;
      case 5: SwapFolderForLink(); break;
      case 6: ChangeAndSetWriteTimeBack(); break;
      case 7: RetargetLink(); break;
      default: break;  // a file's content changes: no folder entry moves
    }
  }

  // The fake system's view of the tree: every folder with its stamp, and a
  // link's folder as a copy of the folder it leads to.
  void ShowTo(FakeLister& lister) const {
    for (const auto& [path, entries] : folders_) Show(lister, path, path);
    lister.SetNow(clock_);
  }

  const std::map<std::string, std::vector<Entry>>& folders() const { return folders_; }

 private:
  void Show(FakeLister& lister, const std::string& path, const std::string& source) const {
    std::vector<FakeLister::Entry> shown;
    for (const Entry& entry : folders_.at(source)) {
      shown.push_back({entry.name, entry.is_folder, !entry.target.empty()});
      if (!entry.target.empty()) Show(lister, path + entry.name + "/", entry.target);
    }
    lister.AddFolder(path, shown);
    lister.SetStamp(path, stamps_.at(source));
  }

  std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

  std::string AnyFolder() {
    auto at = folders_.begin();
    std::advance(at, static_cast<std::ptrdiff_t>(Pick(folders_.size())));
    return at->first;
  }

  std::string NewName() {
    static const char* const kWords[] = {"Report", "photo", "a", "ab", "NOTES", "x.txt", "2019", "report.doc"};
    return std::string(kWords[Pick(8)]) + std::to_string(Pick(50)) + (Pick(2) ? ".txt" : "");
  }

  void Touch(const std::string& folder) {
    const std::uint64_t stamp = clock_ / kSecond * kSecond;
    stamps_[folder] = {stamp, stamp, 0, 1};
  }

  bool Has(const std::string& folder, const std::string& name) const {
    const auto& entries = folders_.at(folder);
    return std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.name == name; });
  }

  void AddFolderAt(const std::string& parent, const std::string& name) {
    folders_[parent + name + "/"];
    Touch(parent + name + "/");
    if (folders_.contains(parent)) {
      folders_[parent].push_back({name, true, ""});
      Touch(parent);
    }
  }

  void AddSomething() {
    const std::string parent = AnyFolder();
    const std::string name = NewName();
    if (Has(parent, name)) return;
    if (Pick(3) == 0) {
      AddFolderAt(parent, name);
    } else {
      folders_[parent].push_back({name, false, ""});
      Touch(parent);
    }
  }

  // The folder's whole subtree goes, and every link that led into it.
  void DropTree(const std::string& folder) {
    std::erase_if(folders_, [&](const auto& item) { return item.first.starts_with(folder); });
    std::erase_if(stamps_, [&](const auto& item) { return item.first.starts_with(folder); });
    for (auto& [path, entries] : folders_) {
      const auto before = entries.size();
      std::erase_if(entries, [&](const Entry& e) { return !e.target.empty() && e.target.starts_with(folder); });
      if (entries.size() != before) Touch(path);
    }
  }

  // A folder's entry and its place among its siblings, or nothing.
  std::optional<std::pair<std::string, std::size_t>> AnyEntry() {
    const std::string folder = AnyFolder();
    if (folders_[folder].empty()) return std::nullopt;
    return std::make_pair(folder, Pick(folders_[folder].size()));
  }

  void RemoveSomething() {
    const auto picked = AnyEntry();
    if (!picked) return;
    const auto& [folder, at] = *picked;
    const Entry entry = folders_[folder][at];
    folders_[folder].erase(folders_[folder].begin() + static_cast<std::ptrdiff_t>(at));
    Touch(folder);
    if (entry.is_folder && entry.target.empty()) DropTree(folder + entry.name + "/");
  }

  void MoveTree(const std::string& from, const std::string& to) {
    std::map<std::string, std::vector<Entry>> moved;
    std::map<std::string, platform::FolderStamp> moved_stamps;
    for (auto at = folders_.begin(); at != folders_.end();) {
      if (!at->first.starts_with(from)) {
        ++at;
        continue;
      }
      const std::string path = to + at->first.substr(from.size());
      moved[path] = std::move(at->second);
      moved_stamps[path] = stamps_[at->first];
      stamps_.erase(at->first);
      at = folders_.erase(at);
    }
    folders_.merge(moved);
    stamps_.merge(moved_stamps);
    for (auto& [path, entries] : folders_) {
      for (Entry& entry : entries) {
        if (entry.target.starts_with(from)) entry.target = to + entry.target.substr(from.size());
      }
    }
  }

  // A rename, or one that changes only the case of letters (a different
  // name here, as on Linux; the entry keeps its place in the listing).
  void RenameSomething(bool case_only) {
    const auto picked = AnyEntry();
    if (!picked) return;
    const auto& [folder, at] = *picked;
    Entry& entry = folders_[folder][at];
    std::string name = case_only ? entry.name : NewName();
    if (case_only) {
      for (char& c : name) c = std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c);
    }
    if (Has(folder, name)) return;
    const std::string old_name = entry.name;
    entry.name = name;
    Touch(folder);
    if (entry.is_folder && entry.target.empty()) {
      MoveTree(folder + old_name + "/", folder + name + "/");
      Touch(folder + name + "/");  // a renamed folder's change time moves
    }
  }

  // A folder that holds no link, outside `avoid`, that a link may lead to.
  std::optional<std::string> LinkTarget(const std::string& avoid) {
    std::vector<std::string> targets;
    for (const auto& [path, entries] : folders_) {
      if (path == "/r/" || avoid.starts_with(path) || path.starts_with(avoid)) continue;
      const bool holds_link = std::any_of(folders_.begin(), folders_.end(), [&](const auto& item) {
        return item.first.starts_with(path) &&
               std::any_of(item.second.begin(), item.second.end(), [](const Entry& e) { return !e.target.empty(); });
      });
      if (!holds_link) targets.push_back(path);
    }
    if (targets.empty()) return std::nullopt;
    return targets[Pick(targets.size())];
  }

  void SwapFolderForLink() {
    const auto picked = AnyEntry();
    if (!picked) return;
    const auto& [folder, at] = *picked;
    const Entry entry = folders_[folder][at];
    if (!entry.is_folder || !entry.target.empty()) return;
    DropTree(folder + entry.name + "/");
    const auto target = LinkTarget(folder);
    if (!target) return;
    folders_[folder].erase(folders_[folder].begin() + static_cast<std::ptrdiff_t>(at));
    folders_[folder].push_back({entry.name, true, *target});
    Touch(folder);
  }

  // A link comes to lead elsewhere: no stamp of the folder holding it moves.
  void RetargetLink() {
    for (auto& [path, entries] : folders_) {
      for (Entry& entry : entries) {
        if (entry.target.empty() || Pick(2) == 0) continue;
        if (const auto target = LinkTarget(path)) entry.target = *target;
        return;
      }
    }
  }

  // A program changes a folder and then sets its last-write time back to
  // what it was; the change time moves all the same.
  void ChangeAndSetWriteTimeBack() {
    const std::string folder = AnyFolder();
    const std::uint64_t old_write = stamps_[folder].write;
    folders_[folder].push_back({NewName() + "-late", false, ""});
    Touch(folder);
    stamps_[folder].write = old_write;
  }

  std::mt19937 random_;
  std::uint64_t clock_ = 1000 * kSecond;
  std::map<std::string, std::vector<Entry>> folders_;
  std::map<std::string, platform::FolderStamp> stamps_;
};

// The names the comparisons search for: a letter, words, a case to fold, a
// digit and an extension, so that most files give a row or two.
NameMatcher WalkMatcher(MatchRule rule, NameEncoding encoding) {
  return NameMatcher(std::vector<std::string>{"a", "report", "Photo1", "2", ".txt"}, rule, encoding);
}

Rows WalkRows(const FakeLister& lister, IndexedListing* index, unsigned threads, MatchRule rule) {
  const NameMatcher matcher = WalkMatcher(rule, lister.encoding());
  RowRecorder recorder;
  WalkFiles("/r", matcher, lister, recorder, {threads, index});
  return recorder.rows;
}

Rows Collected(const FakeLister& lister, IndexedListing* index) {
  FolderRecorder recorder;
  CollectFolders("/r", lister, recorder, index);
  return recorder.folders;
}

// Searches run one after another over a tree that changes between them,
// now a little and now a lot, sometimes within the second of the last
// listing and sometimes after the clock was set back. Each search through
// the index gives exactly the rows of a walk without it, in the same
// order; the index carries over from search to search, now and then
// through its file.
TEST(IndexedListingOverAChangingTree, gives_the_rows_of_a_walk_in_every_round) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    ChangingTree tree(seed);
    std::mt19937 random(seed);
    auto index = std::make_shared<const FolderIndex>();
    std::uint64_t replayed = 0, listed = 0;
    for (int round = 0; round < 60; ++round) {
      const int changes = std::uniform_int_distribution<int>(0, 3)(random);
      for (int change = 0; change < changes; ++change) tree.ChangeSomething();
      if (round % 17 == 16) tree.SetClockBack(5 * kSecond);
      tree.Advance(std::uniform_int_distribution<std::uint64_t>(0, 4 * kSecond)(random));
      FakeLister lister;
      tree.ShowTo(lister);
      const unsigned threads = round % 2 == 0 ? 0 : 2;
      const MatchRule rule = round % 3 == 0 ? MatchRule::kExactFile : MatchRule::kContains;
      IndexedListing listing(index, lister);
      ASSERT_EQ(WalkRows(lister, &listing, threads, rule), WalkRows(lister, nullptr, threads, rule))
          << "seed " << seed << " round " << round;
      ASSERT_EQ(Collected(lister, &listing), Collected(lister, nullptr)) << "seed " << seed << " round " << round;
      replayed += listing.replayed();
      listed += listing.listed();
      FolderIndex next = listing.Result();
      if (round % 5 == 4) {
        const FolderIndexFormat format{'/', NameEncoding::kUtf8};
        auto file = std::make_shared<const std::string>(EncodeFolderIndex(next, format));
        std::optional<FolderIndex> read = DecodeFolderIndex(*file, file, format);
        ASSERT_TRUE(read.has_value());
        next = std::move(*read);
      }
      index = std::make_shared<const FolderIndex>(std::move(next));
    }
    EXPECT_GT(replayed, listed / 2) << "the index was used, not just rebuilt";
  }
}

// Explicit stamps: the fake clock and stamps in milliseconds.
class IndexedListingStamps : public ::testing::Test {
 protected:
  IndexedListingStamps() {
    lister_.AddFolder("/r/", {File("one.txt"), Folder("sub")});
    lister_.AddFolder("/r/sub/", {File("two.txt")});
    lister_.SetStamp("/r/", Stamp(100 * kSecond));
    lister_.SetStamp("/r/sub/", Stamp(100 * kSecond));
  }

  static platform::FolderStamp Stamp(std::uint64_t write, std::uint64_t change = 0) {
    return {write, change == 0 ? write : change, 0, 1};
  }

  // One search at `now`; the index it leaves becomes the next one's.
  Rows Search(std::uint64_t now) {
    lister_.SetNow(now);
    IndexedListing listing(index_, lister_);
    Rows rows = WalkRows(lister_, &listing, 0, MatchRule::kContains);
    replayed_ = listing.replayed();
    changed_ = listing.Changed();
    index_ = std::make_shared<const FolderIndex>(listing.Result());
    return rows;
  }

  // A second tree, "/other/" holding one file, kept in the index by a
  // search of its own at `now`.
  void KeepOtherTree(std::uint64_t now) {
    lister_.AddFolder("/other/", {File("x")});
    lister_.SetStamp("/other/", Stamp(100 * kSecond));
    lister_.SetNow(now);
    IndexedListing listing(index_, lister_);
    RowRecorder recorder;
    const NameMatcher matcher(std::vector<std::string>{"x"}, MatchRule::kContains, NameEncoding::kUtf8);
    WalkFiles("/other", matcher, lister_, recorder, {0, &listing});
    index_ = std::make_shared<const FolderIndex>(listing.Result());
  }

  // "/r/" holding `count` subfolders "d0", "d1", ..., each holding `files`:
  // more folders than one thread reads or matches at once.
  void ManySubfolders(int count, const std::vector<FakeLister::Entry>& files) {
    std::vector<FakeLister::Entry> subfolders;
    for (int i = 0; i < count; ++i) {
      const std::string name = "d" + std::to_string(i);
      subfolders.push_back(Folder(name));
      lister_.AddFolder("/r/" + name + "/", files);
      lister_.SetStamp("/r/" + name + "/", Stamp(100 * kSecond));
    }
    lister_.AddFolder("/r/", subfolders);
  }

  FakeLister lister_;
  std::shared_ptr<const FolderIndex> index_;
  std::uint64_t replayed_ = 0;
  bool changed_ = false;
};

TEST_F(IndexedListingStamps, an_unchanged_tree_comes_from_the_index_and_leaves_it_as_it_was) {
  const Rows first = Search(200 * kSecond);
  EXPECT_EQ(replayed_, 0u);
  EXPECT_EQ(Search(300 * kSecond), first);
  EXPECT_EQ(replayed_, 2u);
  EXPECT_FALSE(changed_) << "nothing to write";
}

TEST_F(IndexedListingStamps, a_folder_listed_within_seconds_of_its_stamp_is_listed_again_next_time) {
  // Listed 2 s after its stamp: a change in the same clock step as the
  // stamp would leave it as it was.
  Search(102 * kSecond);
  lister_.AddFolder("/r/sub/", {File("two.txt"), File("three.txt")});
  EXPECT_EQ(Search(400 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
  EXPECT_EQ(replayed_, 0u);
  // Listed long after: now it is trusted.
  Search(500 * kSecond);
  EXPECT_EQ(replayed_, 2u);
}

TEST_F(IndexedListingStamps, a_stamp_in_the_future_is_racy_too) {
  Search(50 * kSecond);
  lister_.AddFolder("/r/", {File("one.txt"), Folder("sub"), File("late.txt")});
  EXPECT_EQ(Search(60 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
}

// A program set the folder's last-write time back: its change time, not
// that, was too close to the listing to tell a change in the same step.
TEST_F(IndexedListingStamps, a_folder_listed_within_seconds_of_its_change_time_is_racy_whatever_its_write_time) {
  lister_.SetStamp("/r/sub/", Stamp(50 * kSecond, 100 * kSecond));
  Search(100 * kSecond + 500);
  lister_.AddFolder("/r/sub/", {File("two.txt"), File("three.txt")});  // in the same clock step: no stamp moves
  EXPECT_EQ(Search(400 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
}

TEST_F(IndexedListingStamps, a_stamp_that_moved_either_way_counts_as_changed) {
  Search(200 * kSecond);
  lister_.AddFolder("/r/", {File("one.txt"), Folder("sub"), File("new.txt")});
  lister_.SetStamp("/r/", Stamp(100 * kSecond, 150 * kSecond));  // last write set back, change time moved
  EXPECT_EQ(Search(300 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
  lister_.AddFolder("/r/", {File("one.txt"), Folder("sub")});
  lister_.SetStamp("/r/", Stamp(90 * kSecond));  // a restored folder, older than the one kept
  EXPECT_EQ(Search(400 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
  EXPECT_EQ(replayed_, 1u) << "only the unchanged folder came from the index";
}

// Renamed into place of the one kept, with times equal to its own; only
// the inode tells them apart.
TEST_F(IndexedListingStamps, a_subfolder_put_in_place_of_another_with_equal_times_is_listed) {
  Search(200 * kSecond);
  lister_.AddFolder("/r/sub/", {File("other.txt")});
  lister_.SetStamp("/r/sub/", {100 * kSecond, 100 * kSecond, 7, 1});
  lister_.SetStamp("/r/", Stamp(250 * kSecond));
  EXPECT_EQ(Search(400 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
}

TEST_F(IndexedListingStamps, links_are_listed_every_time_with_everything_below_them) {
  lister_.AddFolder("/r/", {File("one.txt"), Folder("sub"), FolderLink("link")});
  lister_.AddFolder("/r/link/", {File("a.txt"), Folder("deep")});
  lister_.AddFolder("/r/link/deep/", {File("b.txt")});
  lister_.SetStamp("/r/link/", Stamp(100 * kSecond));
  lister_.SetStamp("/r/link/deep/", Stamp(100 * kSecond));
  Search(200 * kSecond);
  Search(300 * kSecond);
  EXPECT_EQ(replayed_, 1u) << "only /r/sub/: /r/ holds a link, the others lie below it";
  lister_.AddFolder("/r/link/deep/", {File("c.txt")});  // the link leads elsewhere now; no stamp moved
  EXPECT_EQ(Search(400 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
}

TEST_F(IndexedListingStamps, a_root_that_is_a_link_is_never_kept) {
  lister_.SetLink("/r", true);
  Search(200 * kSecond);
  Search(300 * kSecond);
  EXPECT_EQ(replayed_, 0u);
  EXPECT_TRUE(index_->empty());
}

TEST_F(IndexedListingStamps, a_volume_that_does_not_keep_stamps_is_walked) {
  lister_.SetKeepsStamps(false);
  Search(200 * kSecond);
  Search(300 * kSecond);
  EXPECT_EQ(replayed_, 0u);
  EXPECT_TRUE(index_->empty());
}

TEST_F(IndexedListingStamps, a_stopped_listing_is_not_kept_and_what_was_listed_is) {
  lister_.SetNow(200 * kSecond);
  IndexedListing listing(index_, lister_);
  const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
  RowRecorder recorder(3);  // stops in /r/sub/
  EXPECT_FALSE(WalkFiles("/r", matcher, lister_, recorder, {0, &listing}));
  const FolderIndex kept = listing.Result();
  EXPECT_NE(kept.Find("/r/"), nullptr);
  EXPECT_EQ(kept.Find("/r/sub/"), nullptr);
}

TEST_F(IndexedListingStamps, folders_gone_from_a_walked_tree_are_dropped_and_other_trees_kept) {
  KeepOtherTree(200 * kSecond);
  Search(210 * kSecond);
  lister_.AddFolder("/r/", {File("one.txt")});
  lister_.SetStamp("/r/", Stamp(300 * kSecond));
  lister_.RemoveFolder("/r/sub/");
  Search(400 * kSecond);
  EXPECT_EQ(index_->Find("/r/sub/"), nullptr) << "gone";
  EXPECT_NE(index_->Find("/other/"), nullptr) << "not searched, still there";
}

TEST_F(IndexedListingStamps, a_tree_unsearched_for_a_month_is_dropped) {
  constexpr std::uint64_t kDay = 24 * 60 * 60 * kSecond;
  Search(200 * kSecond);
  lister_.AddFolder("/later/", {});
  lister_.SetStamp("/later/", Stamp(100 * kSecond));
  for (std::uint64_t day : {20, 31, 32}) {
    lister_.SetNow(day * kDay);
    IndexedListing listing(index_, lister_);
    FolderRecorder recorder;
    CollectFolders("/later", lister_, recorder, &listing);
    index_ = std::make_shared<const FolderIndex>(listing.Result());
    EXPECT_EQ(index_->Find("/r/") != nullptr, day < 32) << "day " << day;
  }
}

TEST_F(IndexedListingStamps, a_tree_searched_again_is_kept_a_month_from_its_last_search) {
  constexpr std::uint64_t kDay = 24 * 60 * 60 * kSecond;
  Search(200 * kSecond);
  Search(20 * kDay);
  EXPECT_EQ(replayed_, 2u);
  EXPECT_TRUE(changed_) << "the day it was used moved";
  Search(20 * kDay + kSecond);
  EXPECT_FALSE(changed_) << "a second repeat on the same day has nothing to write";
  lister_.AddFolder("/later/", {});
  lister_.SetStamp("/later/", Stamp(100 * kSecond));
  lister_.SetNow(40 * kDay);
  IndexedListing listing(index_, lister_);
  FolderRecorder recorder;
  CollectFolders("/later", lister_, recorder, &listing);
  EXPECT_NE(listing.Result().Find("/r/sub/"), nullptr) << "used on day 20";
}

TEST_F(IndexedListingStamps, the_index_keeps_within_its_cap_the_folders_used_last_and_the_shallow_first) {
  constexpr std::uint64_t kDay = 24 * 60 * 60 * kSecond;
  const NameMatcher matcher(std::vector<std::string>{"x"}, MatchRule::kContains, NameEncoding::kUtf8);
  lister_.AddFolder("/old/", {File(std::string(100, 'o'))});
  lister_.SetStamp("/old/", Stamp(100 * kSecond));
  for (std::uint64_t day : {1, 2}) {
    lister_.SetNow(day * kDay);
    IndexedListing listing(index_, lister_);
    RowRecorder rows;
    WalkFiles(day == 1 ? "/old" : "/r", matcher, lister_, rows, {0, &listing});
    index_ = std::make_shared<const FolderIndex>(listing.Result());
  }
  const std::size_t root = EncodedSize("/r/", *index_->Find("/r/"));
  const std::size_t cap = root + EncodedSize("/r/sub/", *index_->Find("/r/sub/")) / 2;
  IndexedListing capped(index_, lister_, cap);
  RowRecorder rows;
  WalkFiles("/r", matcher, lister_, rows, {0, &capped});
  EXPECT_TRUE(capped.Changed());
  const FolderIndex kept = capped.Result();
  EXPECT_EQ(kept.Find("/old/"), nullptr) << "used a day earlier";
  EXPECT_NE(kept.Find("/r/"), nullptr);
  EXPECT_EQ(kept.Find("/r/sub/"), nullptr) << "the deeper of today's";
}

// Breadth first with each folder's subfolders in listing order, which here
// is neither the order of their names nor that of their paths: "a b/"
// comes before "a/" and "a/x/" before "ab/".
TEST_F(IndexedListingStamps, a_repeat_over_an_unchanged_tree_lists_nothing_and_gives_the_rows_in_walk_order) {
  lister_.AddFolder("/r/", {Folder("ab"), File("x.txt"), Folder("a"), Folder("a b")});
  lister_.AddFolder("/r/ab/", {File("ab.txt")});
  lister_.AddFolder("/r/a/", {Folder("x"), File("a2.txt")});
  lister_.AddFolder("/r/a/x/", {File("d.txt")});
  lister_.AddFolder("/r/a b/", {File("s.txt")});
  for (const char* folder : {"/r/", "/r/ab/", "/r/a/", "/r/a/x/", "/r/a b/"}) {
    lister_.SetStamp(folder, Stamp(100 * kSecond));
  }
  Search(200 * kSecond);
  const Rows walked = WalkRows(lister_, nullptr, 0, MatchRule::kContains);
  ASSERT_EQ(walked, Rows({"/r/|x.txt|4", "/r/ab/|ab.txt|0", "/r/ab/|ab.txt|4", "/r/a/|a2.txt|0", "/r/a/|a2.txt|3",
                          "/r/a/|a2.txt|4", "/r/a b/|s.txt|4", "/r/a/x/|d.txt|4"}));
  const NameMatcher matcher = WalkMatcher(MatchRule::kContains, NameEncoding::kUtf8);
  for (const unsigned threads : {0u, 2u}) {
    IndexedListing listing(index_, lister_);
    listing.BeginRoot("/r/");
    RowRecorder recorder;
    EXPECT_EQ(WalkUnchangedTree("/r/", matcher, lister_, listing, recorder, threads), UnchangedTreeWalk::kWalked);
    EXPECT_EQ(recorder.rows, walked) << threads << " threads";
    EXPECT_EQ(listing.listed(), 0u);
    EXPECT_EQ(listing.replayed(), 5u);
    EXPECT_FALSE(listing.Changed()) << "used today already";
  }
}

TEST_F(IndexedListingStamps, an_unchanged_folder_naming_a_subfolder_the_index_lost_is_walked_through_it) {
  Search(200 * kSecond);
  FolderIndex without_sub;
  index_->ForEach([&](std::string_view folder, const FolderRecord& record) {
    if (folder != "/r/sub/") without_sub.Put(folder, record);
  });
  index_ = std::make_shared<const FolderIndex>(std::move(without_sub));
  {
    IndexedListing listing(index_, lister_);
    listing.BeginRoot("/r/");
    const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
    RowRecorder recorder;
    EXPECT_EQ(WalkUnchangedTree("/r/", matcher, lister_, listing, recorder, 2), UnchangedTreeWalk::kChanged);
    EXPECT_TRUE(recorder.rows.empty());
  }
  EXPECT_EQ(Search(300 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
  EXPECT_EQ(replayed_, 1u) << "/r/ from the index, /r/sub/ listed";
}

// A sink that says stop once it holds `rows_before_stop` rows.
class StopAfterRows final : public FileWalkSink {
 public:
  explicit StopAfterRows(std::size_t rows_before_stop) : rows_before_stop_(rows_before_stop) {}
  void OnRow(std::string_view folder, std::string_view name, std::string_view, std::uint32_t keyword) override {
    rows.push_back(std::string(folder) + "|" + std::string(name) + "|" + std::to_string(keyword));
  }
  bool ShouldStop() override { return rows.size() >= rows_before_stop_; }
  Rows rows;

 private:
  std::size_t rows_before_stop_;
};

// Each file gives two rows, so a stop at 50 rows comes between two files
// of one folder.
TEST_F(IndexedListingStamps, a_stop_during_a_repeat_over_an_unchanged_tree_ends_it_at_the_next_file) {
  ManySubfolders(300, {File("a.txt"), File("report.txt")});
  const Rows all = Search(200 * kSecond);
  for (const unsigned threads : {0u, 2u}) {
    IndexedListing listing(index_, lister_);
    const NameMatcher matcher = WalkMatcher(MatchRule::kContains, NameEncoding::kUtf8);
    StopAfterRows sink(50);
    EXPECT_FALSE(WalkFiles("/r", matcher, lister_, sink, {threads, &listing}));
    EXPECT_EQ(sink.rows, Rows(all.begin(), all.begin() + 50)) << threads << " threads";
    EXPECT_EQ(listing.listed(), 0u);
  }
}

TEST_F(IndexedListingStamps, a_kept_folder_whose_entries_are_out_of_shape_is_listed) {
  Search(200 * kSecond);
  FolderIndex damaged;
  index_->ForEach([&](std::string_view folder, const FolderRecord& record) {
    FolderRecord copy = record;
    copy.entry_count += 1;  // says one entry more than it holds
    damaged.Put(folder, copy);
  });
  index_ = std::make_shared<const FolderIndex>(std::move(damaged));
  EXPECT_EQ(Search(300 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
  EXPECT_EQ(replayed_, 0u);
}

// Read ahead of the walk, in the order of their paths: the walk itself
// asks only for the stamps of folders the index does not hold. The file
// keeps its folders in that order already.
TEST_F(IndexedListingStamps, stamps_are_read_ahead_once_each_in_the_order_of_paths_and_only_below_the_root) {
  lister_.AddFolder("/r/", {File("one.txt"), Folder("sub"), Folder("a")});
  lister_.AddFolder("/r/a/", {Folder("b")});
  lister_.AddFolder("/r/a/b/", {File("deep.txt")});
  for (const char* folder : {"/r/a/", "/r/a/b/"}) lister_.SetStamp(folder, Stamp(100 * kSecond));
  KeepOtherTree(200 * kSecond);
  Search(200 * kSecond);
  ASSERT_EQ(index_->Folder(1), "/r/") << "kept in the order of the walk, not of the paths";
  lister_.AddFolder("/r/a/new/", {File("n.txt")});
  lister_.AddFolder("/r/a/", {Folder("b"), Folder("new")});
  lister_.SetStamp("/r/a/", Stamp(250 * kSecond));
  lister_.SetStamp("/r/a/new/", Stamp(250 * kSecond));
  for (const unsigned threads : {0u, 2u}) {
    const std::size_t asked_before = lister_.stamp_requests().size();
    lister_.SetNow(300 * kSecond);
    IndexedListing listing(index_, lister_);
    EXPECT_EQ(WalkRows(lister_, &listing, threads, MatchRule::kContains),
              WalkRows(lister_, nullptr, threads, MatchRule::kContains));
    Rows asked = lister_.stamp_requests();
    asked.erase(asked.begin(), asked.begin() + static_cast<std::ptrdiff_t>(asked_before));
    if (threads == 0) {
      EXPECT_EQ(asked, (Rows{"/r/", "/r/a/", "/r/a/b/", "/r/sub/", "/r/a/new/"}));
    } else {
      EXPECT_EQ(std::multiset<std::string>(asked.begin(), asked.end()),
                (std::multiset<std::string>{"/r/", "/r/a/", "/r/a/b/", "/r/a/new/", "/r/sub/"}));
    }
  }
  const FolderIndexFormat format{'/', NameEncoding::kUtf8};
  auto file = std::make_shared<const std::string>(EncodeFolderIndex(*index_, format));
  const std::optional<FolderIndex> read = DecodeFolderIndex(*file, file, format);
  ASSERT_TRUE(read.has_value());
  for (std::uint32_t number = 1; number < read->size(); ++number) {
    EXPECT_LT(read->Folder(number - 1), read->Folder(number));
  }
}

// Past the first chunk of stamps, still each once and, on one thread, in
// the order of the paths.
TEST_F(IndexedListingStamps, a_tree_of_many_chunks_has_each_stamp_read_once_in_path_order) {
  ManySubfolders(600, {File("f.txt")});
  Search(200 * kSecond);
  std::vector<std::string> in_path_order{"/r/"};
  for (int i = 0; i < 600; ++i) in_path_order.push_back("/r/d" + std::to_string(i) + "/");
  std::sort(in_path_order.begin(), in_path_order.end());
  for (const unsigned threads : {0u, 2u}) {
    const std::size_t asked_before = lister_.stamp_requests().size();
    IndexedListing listing(index_, lister_);
    EXPECT_EQ(WalkRows(lister_, &listing, threads, MatchRule::kContains),
              WalkRows(lister_, nullptr, threads, MatchRule::kContains));
    Rows asked = lister_.stamp_requests();
    asked.erase(asked.begin(), asked.begin() + static_cast<std::ptrdiff_t>(asked_before));
    if (threads == 2) std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, in_path_order) << threads << " threads";
  }
}

// The window reads ahead below every root before the names' matcher is
// ready; the walks then read nothing twice.
TEST_F(IndexedListingStamps, a_tree_read_ahead_whole_is_not_read_again_by_its_walk_or_one_below) {
  Search(200 * kSecond);
  IndexedListing listing(index_, lister_);
  const std::size_t asked_before = lister_.stamp_requests().size();
  ASSERT_TRUE(listing.ReadStampsBelow("/r/", 0, [] { return false; }));
  EXPECT_EQ(lister_.stamp_requests().size() - asked_before, 2u);
  const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
  RowRecorder below, whole;
  WalkFiles("/r/sub", matcher, lister_, below, {0, &listing});
  WalkFiles("/r", matcher, lister_, whole, {2, &listing});
  EXPECT_EQ(lister_.stamp_requests().size() - asked_before, 2u);
  EXPECT_EQ(below.rows, Rows{"/r/sub/|two.txt|0"});
  EXPECT_EQ(whole.rows, (Rows{"/r/|one.txt|0", "/r/sub/|two.txt|0"}));
}

// The second root's stamps were read for the first: the change they show
// still counts.
TEST_F(IndexedListingStamps, a_root_inside_one_walked_before_in_the_same_search_sees_its_changes) {
  Search(200 * kSecond);
  lister_.AddFolder("/r/sub/", {File("two.txt"), File("three.txt")});
  lister_.SetStamp("/r/sub/", Stamp(250 * kSecond));
  lister_.SetNow(300 * kSecond);
  IndexedListing listing(index_, lister_);
  const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
  for (const unsigned threads : {0u, 2u}) {
    RowRecorder whole, below;
    WalkFiles("/r", matcher, lister_, whole, {threads, &listing});
    WalkFiles("/r/sub", matcher, lister_, below, {threads, &listing});
    EXPECT_EQ(whole.rows, (Rows{"/r/|one.txt|0", "/r/sub/|two.txt|0", "/r/sub/|three.txt|0"}));
    EXPECT_EQ(below.rows, (Rows{"/r/sub/|two.txt|0", "/r/sub/|three.txt|0"})) << threads << " threads";
  }
}

// The first root's stamps were read for it alone: the second root, which
// holds it, still reads those of its other folders and sees their changes.
TEST_F(IndexedListingStamps, a_root_holding_one_walked_before_in_the_same_search_sees_its_changes) {
  lister_.AddFolder("/r/", {File("one.txt"), Folder("sub"), Folder("a")});
  lister_.AddFolder("/r/a/", {File("a1.txt")});
  lister_.SetStamp("/r/a/", Stamp(100 * kSecond));
  Search(200 * kSecond);
  lister_.AddFolder("/r/a/", {File("a1.txt"), File("a2.txt")});
  lister_.SetStamp("/r/a/", Stamp(250 * kSecond));
  lister_.SetNow(300 * kSecond);
  const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
  for (const unsigned threads : {0u, 2u}) {
    IndexedListing listing(index_, lister_);
    RowRecorder below, whole;
    WalkFiles("/r/sub", matcher, lister_, below, {threads, &listing});
    WalkFiles("/r", matcher, lister_, whole, {threads, &listing});
    EXPECT_EQ(whole.rows, (Rows{"/r/|one.txt|0", "/r/sub/|two.txt|0", "/r/a/|a1.txt|0", "/r/a/|a2.txt|0"}))
        << threads << " threads";
  }
}

// A collection lists on its own thread and reads the stamps ahead on others.
TEST_F(IndexedListingStamps, a_folder_collection_reads_the_stamps_ahead_on_threads_of_their_own) {
  Search(200 * kSecond);
  std::mutex mutex;
  std::vector<std::thread::id> asked_on;
  lister_.OnStamp([&](std::string_view) {
    const std::lock_guard lock(mutex);
    asked_on.push_back(std::this_thread::get_id());
  });
  IndexedListing listing(index_, lister_);
  EXPECT_EQ(Collected(lister_, &listing), Collected(lister_, nullptr));
  lister_.OnStamp(nullptr);
  EXPECT_EQ(listing.replayed(), 2u);
  ASSERT_EQ(asked_on.size(), 2u);
  for (const std::thread::id id : asked_on) EXPECT_NE(id, std::this_thread::get_id());
}

// A stamp read ahead counts as read when its clock was read, before the
// walk: a folder listed anew long after that clock, but within seconds of
// its stamp, is still racy.
TEST_F(IndexedListingStamps, a_stamp_read_ahead_is_judged_racy_by_the_clock_before_it) {
  Search(200 * kSecond);
  lister_.AddFolder("/r/sub/", {File("two.txt"), File("three.txt")});
  lister_.SetStamp("/r/sub/", Stamp(300 * kSecond));
  lister_.OnStamp([this](std::string_view folder) {
    if (folder == "/r/sub/") lister_.SetNow(900 * kSecond);  // the clock moves on during the search
  });
  Search(301 * kSecond);
  lister_.OnStamp(nullptr);
  lister_.AddFolder("/r/sub/", {File("two.txt"), File("three.txt"), File("four.txt")});  // same second, same stamp
  EXPECT_EQ(Search(1000 * kSecond), WalkRows(lister_, nullptr, 0, MatchRule::kContains));
}

TEST_F(IndexedListingStamps, a_stop_while_stamps_are_read_ahead_ends_the_walk_there) {
  ManySubfolders(600, {File("f.txt")});
  Search(200 * kSecond);
  lister_.OnStamp([](std::string_view) { std::this_thread::sleep_for(std::chrono::microseconds(200)); });
  for (const unsigned threads : {0u, 2u}) {
    const std::size_t asked_before = lister_.stamp_requests().size();
    IndexedListing listing(index_, lister_);
    const NameMatcher matcher(std::vector<std::string>{"f"}, MatchRule::kContains, NameEncoding::kUtf8);
    RowRecorder recorder(0);
    EXPECT_FALSE(WalkFiles("/r", matcher, lister_, recorder, {threads, &listing}));
    EXPECT_TRUE(recorder.rows.empty());
    EXPECT_LT(lister_.stamp_requests().size() - asked_before, 300u) << threads << " threads";
    EXPECT_EQ(listing.Result().size(), index_->size()) << "nothing dropped";
  }
}

// Keys are made with the lister's encoding. A matcher of another encoding
// lowers "\x81A" otherwise (in GBK the A is half of one character), so
// the keys must not turn its names away.
TEST(IndexedListingKeys, a_matcher_of_another_encoding_than_the_listers_finds_every_row) {
  FakeLister lister;
  lister.AddFolder("/r/", {File("\x81" "A.txt"), File("b.txt")});
  lister.SetStamp("/r/", {100 * kSecond, 100 * kSecond, 0, 1});
  auto index = std::make_shared<const FolderIndex>();
  for (const std::uint64_t now : {200 * kSecond, 300 * kSecond}) {
    lister.SetNow(now);
    IndexedListing listing(index, lister);
    const NameMatcher matcher(std::vector<std::string>{"\x81" "A"}, MatchRule::kExactFile, NameEncoding::kGbk);
    RowRecorder recorder;
    WalkFiles("/r", matcher, lister, recorder, {0, &listing});
    EXPECT_EQ(recorder.rows, Rows{"/r/|\x81" "A.txt|0"}) << (now == 200 * kSecond ? "listed" : "replayed");
    index = std::make_shared<const FolderIndex>(listing.Result());
  }
}

}  // namespace
}  // namespace vorlix::app
