#include "app/search/walk/file_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "search_engine_fixture.h"

namespace vorlix::app {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;
using testing::FolderLink;
using testing::RowRecorder;
using Rows = std::vector<std::string>;

// Each test runs with the listing on the walking thread and with two
// threads listing ahead: the rows must not differ.
class FileWalk : public ::testing::TestWithParam<unsigned> {
 protected:
  Rows Walk(std::string_view root, std::vector<std::string> keywords, MatchRule rule = MatchRule::kContains,
            long polls_before_stop = -1, bool* finished = nullptr) {
    return WalkWith(lister_, root, keywords, rule, polls_before_stop, finished);
  }

  Rows WalkWith(const FakeLister& lister, std::string_view root, std::vector<std::string> keywords,
                MatchRule rule = MatchRule::kContains, long polls_before_stop = -1, bool* finished = nullptr) {
    const NameMatcher matcher(keywords, rule, lister.encoding());
    RowRecorder recorder(polls_before_stop);
    const bool ended = WalkFiles(root, matcher, lister, recorder, {GetParam()});
    if (finished) *finished = ended;
    not_listed_ = recorder.not_listed;
    return recorder.rows;
  }

  // Listing ahead lists in queue order, but on several threads at once.
  Rows Listed() const {
    Rows listed = lister_.listed();
    if (GetParam() > 0) std::sort(listed.begin(), listed.end());
    return listed;
  }

  Rows InListingOrder(Rows folders) const {
    if (GetParam() > 0) std::sort(folders.begin(), folders.end());
    return folders;
  }

  // root: B.TXT, s1/, a.txt, s2/; s1: deep/, one.txt; s2: two.txt; s1/deep: three.txt
  void AddLevels() {
    lister_.AddFolder("/r/", {File("B.TXT"), Folder("s1"), File("a.txt"), Folder("s2")});
    lister_.AddFolder("/r/s1/", {Folder("deep"), File("one.txt")});
    lister_.AddFolder("/r/s2/", {File("two.txt")});
    lister_.AddFolder("/r/s1/deep/", {File("three.txt")});
  }

  FakeLister lister_;
  Rows not_listed_;  // of the last walk
};

TEST_P(FileWalk, walks_level_by_level_and_lists_each_folder_once) {
  AddLevels();
  EXPECT_EQ(Walk("/r", {"txt"}),
            (Rows{"/r/|b.txt|0|B.TXT", "/r/|a.txt|0", "/r/s1/|one.txt|0", "/r/s2/|two.txt|0", "/r/s1/deep/|three.txt|0"}));
  EXPECT_EQ(Listed(), InListingOrder({"/r/", "/r/s1/", "/r/s2/", "/r/s1/deep/"}));
}

TEST_P(FileWalk, a_file_gives_one_row_per_keyword_copy_in_keyword_order) {
  lister_.AddFolder("/r/", {File("ab.txt")});
  EXPECT_EQ(Walk("/r/", {"b", "a", "zz", "b"}), (Rows{"/r/|ab.txt|0", "/r/|ab.txt|1", "/r/|ab.txt|3"}));
}

TEST_P(FileWalk, adds_the_separator_to_a_root_only_when_it_lacks_one) {
  FakeLister windows('\\', NameEncoding::kGbk);
  windows.AddFolder("C:\\", {File("a.txt")});
  windows.AddFolder("D:\\Data\\", {File("b.txt")});
  // The last byte is a trail byte equal to the backslash: still no separator.
  windows.AddFolder("E:\\\x95\x5C\\", {File("c.txt")});
  constexpr auto kExact = MatchRule::kExactFile;
  EXPECT_EQ(WalkWith(windows, "C:", {"a"}, kExact), Rows{"C:\\|a.txt|0"});
  EXPECT_EQ(WalkWith(windows, "C:\\", {"a"}, kExact), Rows{"C:\\|a.txt|0"});
  EXPECT_EQ(WalkWith(windows, "D:\\Data", {"b"}, kExact), Rows{"D:\\Data\\|b.txt|0"});
  EXPECT_EQ(WalkWith(windows, "E:\\\x95\x5C", {"c"}, kExact), Rows{"E:\\\x95\x5C\\|c.txt|0"});
}

TEST_P(FileWalk, skips_a_folder_that_cannot_be_listed_tells_it_and_goes_on) {
  AddLevels();
  lister_.AddFolder("/r/", {Folder("gone"), Folder("s2"), Folder("s1")});
  lister_.AddFolder("/r/s1/", {Folder("locked"), File("one.txt")});
  EXPECT_EQ(Walk("/r", {"txt"}), (Rows{"/r/s2/|two.txt|0", "/r/s1/|one.txt|0"}));
  EXPECT_EQ(not_listed_, (Rows{"/r/gone", "/r/s1/locked"}));
  EXPECT_EQ(Walk("/missing", {"txt"}), Rows{});
  EXPECT_EQ(not_listed_, Rows{"root /missing"});
}

TEST_P(FileWalk, does_not_follow_a_link_back_to_an_ancestor_but_follows_one_elsewhere) {
  lister_.AddFolder("/r/", {FolderLink("loop"), Folder("a"), FolderLink("far")});
  lister_.AddFolder("/r/a/", {FolderLink("up"), File("x.txt")});
  lister_.AddFolder("/r/far/", {File("far.txt"), FolderLink("back")});
  lister_.SetIdentity("/r", 1);
  lister_.SetIdentity("/r/loop", 1);
  lister_.SetIdentity("/r/a", 2);
  lister_.SetIdentity("/r/a/up", 1);
  lister_.SetIdentity("/r/far", 3);
  lister_.SetIdentity("/r/far/back", 1);
  EXPECT_EQ(Walk("/r", {"txt"}), (Rows{"/r/a/|x.txt|0", "/r/far/|far.txt|0"}));
  EXPECT_EQ(Listed(), InListingOrder({"/r/", "/r/a/", "/r/far/"}));
}

TEST_P(FileWalk, ordinary_folders_never_ask_for_an_identity) {
  AddLevels();
  Walk("/r", {"txt"});
  EXPECT_EQ(lister_.identity_requests(), 0);
}

TEST_P(FileWalk, ancestors_are_identified_once_however_many_links_are_met) {
  lister_.AddFolder("/r/", {Folder("a")});
  lister_.AddFolder("/r/a/", {FolderLink("l1"), FolderLink("l2"), FolderLink("l3")});
  lister_.SetIdentity("/r", 1);
  lister_.SetIdentity("/r/a", 2);
  for (const char* link : {"/r/a/l1", "/r/a/l2", "/r/a/l3"}) lister_.SetIdentity(link, 9);
  Walk("/r", {"x"});
  // Three link targets and two ancestors.
  EXPECT_EQ(lister_.identity_requests(), 5);
}

TEST_P(FileWalk, stops_at_once_when_asked) {
  AddLevels();
  const Rows all = Walk("/r", {"txt"});
  for (long polls = 0; polls < 20; ++polls) {
    bool finished = true;
    const Rows some = Walk("/r", {"txt"}, MatchRule::kContains, polls, &finished);
    if (finished) {
      EXPECT_EQ(some, all);
      continue;
    }
    ASSERT_LE(some.size(), all.size());
    EXPECT_EQ(some, Rows(all.begin(), all.begin() + some.size())) << "after " << polls << " polls";
  }
  bool finished = true;
  EXPECT_EQ(Walk("/r", {"txt"}, MatchRule::kContains, 0, &finished), Rows{});
  EXPECT_FALSE(finished);
}

// Far more folders than the threads may list ahead, and none of the first
// thousands adds a folder to the queue: the threads must be woken as room
// comes, and the rows stay in walk order. A walk that stalls is stopped
// after 20 seconds.
TEST_P(FileWalk, a_tree_many_times_wider_than_the_listing_window_gives_every_row_in_order) {
  std::vector<FakeLister::Entry> level;
  Rows expected;
  for (int i = 0; i < 5000; ++i) level.push_back(Folder("d" + std::to_string(i)));
  lister_.AddFolder("/r/", level);
  for (int i = 0; i < 5000; ++i) {
    const std::string folder = "/r/d" + std::to_string(i) + "/";
    lister_.AddFolder(folder, i >= 4990 ? std::vector<FakeLister::Entry>{File("x.txt"), Folder("e")}
                                         : std::vector<FakeLister::Entry>{File("x.txt")});
    expected.push_back(folder + "|x.txt|0");
  }
  for (int i = 4990; i < 5000; ++i) {
    lister_.AddFolder("/r/d" + std::to_string(i) + "/e/", {File("y.txt")});
    expected.push_back("/r/d" + std::to_string(i) + "/e/|y.txt|0");
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  class UntilDeadline final : public FileWalkSink {
   public:
    explicit UntilDeadline(std::chrono::steady_clock::time_point deadline) : deadline_(deadline) {}
    // The first row waits, so that the threads fill the window and sleep.
    void OnRow(std::string_view folder, std::string_view name, std::string_view, std::uint32_t keyword) override {
      if (rows.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(300));
      rows.push_back(std::string(folder) + "|" + std::string(name) + "|" + std::to_string(keyword));
    }
    bool ShouldStop() override { return std::chrono::steady_clock::now() > deadline_; }
    Rows rows;

   private:
    std::chrono::steady_clock::time_point deadline_;
  } sink(deadline);
  const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, lister_.encoding());
  EXPECT_TRUE(WalkFiles("/r", matcher, lister_, sink, {GetParam()})) << "stalled";
  EXPECT_EQ(sink.rows, expected);
}

INSTANTIATE_TEST_SUITE_P(ListingThreads, FileWalk, ::testing::Values(0u, 2u));

// Listing on the walking thread, a stop is seen between any two entries.
TEST(FileWalkOnItsThread, polls_at_every_entry_of_a_large_folder) {
  FakeLister lister;
  std::vector<FakeLister::Entry> many;
  for (int i = 0; i < 1000; ++i) many.push_back(File("f" + std::to_string(i)));
  lister.AddFolder("/r/", many);
  RowRecorder recorder;
  const NameMatcher matcher(std::vector<std::string>{"nothing"}, MatchRule::kContains, NameEncoding::kUtf8);
  WalkFiles("/r", matcher, lister, recorder);
  EXPECT_GE(recorder.polls, 1000);
}

}  // namespace
}  // namespace vorlix::app
