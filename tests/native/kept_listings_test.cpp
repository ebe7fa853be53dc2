#include "app/search/walk/kept_listings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/search/index/folder_index.h"
#include "app/search/index/indexed_listing.h"
#include "app/search/suggestions/walked_files.h"
#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_collection.h"
#include "search_engine_fixture.h"

namespace vorlix::app {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;
using testing::FolderLink;
using testing::FolderRecorder;
using testing::RowRecorder;
using Calls = std::vector<std::string>;

// Kept listings that hold nothing: each folder asked for is listed through
// the lister, and every call is recorded as "Name path". List is called
// from several threads.
class RecordingKeptListings final : public KeptListings {
 public:
  explicit RecordingKeptListings(const FolderLister& lister) : lister_(lister) {}

  void BeginRoot(std::string_view root) override { Record("BeginRoot", root); }
  bool ReadStampsBelow(std::string_view root, unsigned, const std::function<bool()>&) override {
    Record("ReadStampsBelow", root);
    return true;
  }
  bool List(std::string_view folder, KeyedEntryVisitor& visitor) override {
    Record("List", folder);
    return lister_.List(folder, visitor);
  }
  UnchangedTreeWalk WalkUnchanged(std::string_view root, const NameMatcher&, const FolderLister&, FileWalkSink&,
                                  unsigned) override {
    Record("WalkUnchanged", root);
    return UnchangedTreeWalk::kChanged;
  }
  void TreeWalked(std::string_view folder) override { Record("TreeWalked", folder); }

  Calls calls;

 private:
  void Record(const char* call, std::string_view path) {
    const std::lock_guard lock(mutex_);
    calls.push_back(call + (" " + std::string(path)));
  }

  const FolderLister& lister_;
  std::mutex mutex_;
};

// "/r/" holding a file, a subfolder and a link to "/elsewhere/".
class KeptListingsUse : public ::testing::Test {
 protected:
  KeptListingsUse() {
    lister_.AddFolder("/r/", {File("a.txt"), Folder("sub"), FolderLink("link")});
    lister_.AddFolder("/r/sub/", {File("b.txt")});
    lister_.AddFolder("/r/link/", {File("c.txt")});
    lister_.SetLink("/r/link", true);
    lister_.SetIdentity("/r/link", 7);
  }

  FakeLister lister_;
  const NameMatcher matcher_{std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8};
};

TEST_F(KeptListingsUse, a_file_walk_tries_the_unchanged_tree_then_lists_each_folder_not_through_a_link) {
  RowRecorder plain;
  ASSERT_TRUE(WalkFiles("/r/", matcher_, lister_, plain));
  for (const unsigned threads : {0u, 2u}) {
    RecordingKeptListings kept(lister_);
    RowRecorder rows;
    ASSERT_TRUE(WalkFiles("/r/", matcher_, lister_, rows, {threads, &kept}));
    EXPECT_EQ(rows.rows, plain.rows) << threads << " threads";
    std::sort(kept.calls.begin() + 3, kept.calls.end() - 1);  // threads list in any order
    EXPECT_EQ(kept.calls, Calls({"BeginRoot /r/", "WalkUnchanged /r/", "ReadStampsBelow /r/", "List /r/",
                                 "List /r/sub/", "TreeWalked /r/"}))
        << threads << " threads";
  }
}

TEST_F(KeptListingsUse, a_folder_collection_reads_ahead_then_lists_each_folder_not_through_a_link) {
  FolderRecorder plain;
  ASSERT_TRUE(CollectFolders("/r", lister_, plain));
  RecordingKeptListings kept(lister_);
  FolderRecorder folders;
  ASSERT_TRUE(CollectFolders("/r", lister_, folders, &kept));
  EXPECT_EQ(folders.folders, plain.folders);
  EXPECT_EQ(kept.calls,
            Calls({"ReadStampsBelow /r/", "BeginRoot /r/", "List /r/", "List /r/sub/", "TreeWalked /r/"}));
}

TEST_F(KeptListingsUse, a_stopped_walk_does_not_tell_the_tree_walked) {
  RecordingKeptListings kept(lister_);
  RowRecorder rows(3);
  EXPECT_FALSE(WalkFiles("/r/", matcher_, lister_, rows, {0, &kept}));
  EXPECT_EQ(std::count(kept.calls.begin(), kept.calls.end(), "TreeWalked /r/"), 0);
}

// Keeps the files a walk met, as the window and vorlix-find keep them for
// the suggestions, and the folders it gave whole.
class WalkedSink final : public FileWalkSink {
 public:
  void OnRow(std::string_view, std::string_view, std::string_view, std::uint32_t) override {}
  bool ShouldStop() override { return false; }
  void OnFile(std::string_view folder, std::string_view name) override { walked.AddFile(folder, name); }
  void OnKeptFolder(std::string_view folder, const KeptEntries& kept) override {
    kept_folders.push_back(std::string(folder) + " " + std::to_string(kept.entry_count));
    walked.AddKeptFolder(folder, kept);
  }

  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    walked.ForEach([&files](std::string_view folder, std::string_view name) {
      files.push_back(std::string(folder) + std::string(name));
      return true;
    });
    return files;
  }

  WalkedFiles walked;
  std::vector<std::string> kept_folders;
};

// The kept entries outlive the index they came from: the window hands its
// index back before it looks for suggestions.
TEST(KeptListingsOfTheIndex, a_repeat_walk_over_an_unchanged_tree_gives_each_folder_whole_as_its_kept_entries) {
  FakeLister lister;
  lister.AddFolder("/r/", {File("a.txt"), Folder("sub")});
  lister.AddFolder("/r/sub/", {File("b.txt"), File("c.txt")});
  lister.SetStamp("/r/", {100000, 100000, 0, 1});
  lister.SetStamp("/r/sub/", {100000, 100000, 0, 1});
  lister.SetNow(200000);
  const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
  const std::vector<std::string> files = {"/r/a.txt", "/r/sub/b.txt", "/r/sub/c.txt"};
  auto index = std::make_shared<const FolderIndex>();
  WalkedSink first;
  auto listing = std::make_unique<IndexedListing>(index, lister);
  ASSERT_TRUE(WalkFiles("/r/", matcher, lister, first, {0, listing.get(), true}));
  index = std::make_shared<const FolderIndex>(listing->Result());
  EXPECT_TRUE(first.kept_folders.empty());
  EXPECT_EQ(first.Files(), files);

  lister.SetNow(300000);
  listing = std::make_unique<IndexedListing>(index, lister);
  WalkedSink repeat;
  ASSERT_TRUE(WalkFiles("/r/", matcher, lister, repeat, {0, listing.get(), true}));
  EXPECT_EQ(listing->listed(), 0u);
  listing.reset();
  index.reset();
  EXPECT_EQ(repeat.kept_folders, std::vector<std::string>({"/r/ 2", "/r/sub/ 2"}));
  EXPECT_EQ(repeat.Files(), files);
}

}  // namespace
}  // namespace vorlix::app
