#include "app/search/file_walk.h"

#include <gtest/gtest.h>

#include "search_engine_fixture.h"

namespace vorlix::app {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;
using testing::FolderLink;
using testing::RowRecorder;
using Rows = std::vector<std::string>;

class FileWalk : public ::testing::Test {
 protected:
  Rows Walk(std::string_view root, std::vector<std::string> keywords, MatchRule rule = MatchRule::kContains,
            long polls_before_stop = -1, bool* finished = nullptr) {
    const NameMatcher matcher(keywords, rule, lister_.encoding());
    RowRecorder recorder(polls_before_stop);
    const bool ended = WalkFiles(root, matcher, lister_, recorder);
    if (finished) *finished = ended;
    return recorder.rows;
  }

  // root: B.TXT, s1/, a.txt, s2/; s1: deep/, one.txt; s2: two.txt; s1/deep: three.txt
  void AddLevels() {
    lister_.AddFolder("/r/", {File("B.TXT"), Folder("s1"), File("a.txt"), Folder("s2")});
    lister_.AddFolder("/r/s1/", {Folder("deep"), File("one.txt")});
    lister_.AddFolder("/r/s2/", {File("two.txt")});
    lister_.AddFolder("/r/s1/deep/", {File("three.txt")});
  }

  FakeLister lister_;
};

TEST_F(FileWalk, walks_level_by_level_and_lists_each_folder_once) {
  AddLevels();
  EXPECT_EQ(Walk("/r", {"txt"}),
            (Rows{"/r/|b.txt|0", "/r/|a.txt|0", "/r/s1/|one.txt|0", "/r/s2/|two.txt|0", "/r/s1/deep/|three.txt|0"}));
  EXPECT_EQ(lister_.listed(), (Rows{"/r/", "/r/s1/", "/r/s2/", "/r/s1/deep/"}));
}

TEST_F(FileWalk, a_file_gives_one_row_per_keyword_copy_in_keyword_order) {
  lister_.AddFolder("/r/", {File("ab.txt")});
  EXPECT_EQ(Walk("/r/", {"b", "a", "zz", "b"}), (Rows{"/r/|ab.txt|0", "/r/|ab.txt|1", "/r/|ab.txt|3"}));
}

TEST_F(FileWalk, adds_the_separator_to_a_root_only_when_it_lacks_one) {
  lister_ = FakeLister('\\', NameEncoding::kGbk);
  lister_.AddFolder("C:\\", {File("a.txt")});
  lister_.AddFolder("D:\\Data\\", {File("b.txt")});
  // The last byte is a trail byte equal to the backslash: still no separator.
  lister_.AddFolder("E:\\\x95\x5C\\", {File("c.txt")});
  EXPECT_EQ(Walk("C:", {"a"}, MatchRule::kExactFile), Rows{"C:\\|a.txt|0"});
  EXPECT_EQ(Walk("C:\\", {"a"}, MatchRule::kExactFile), Rows{"C:\\|a.txt|0"});
  EXPECT_EQ(Walk("D:\\Data", {"b"}, MatchRule::kExactFile), Rows{"D:\\Data\\|b.txt|0"});
  EXPECT_EQ(Walk("E:\\\x95\x5C", {"c"}, MatchRule::kExactFile), Rows{"E:\\\x95\x5C\\|c.txt|0"});
}

TEST_F(FileWalk, skips_a_folder_that_cannot_be_listed_and_goes_on) {
  AddLevels();
  lister_.AddFolder("/r/", {Folder("gone"), Folder("s2")});
  EXPECT_EQ(Walk("/r", {"txt"}), Rows{"/r/s2/|two.txt|0"});
  EXPECT_EQ(Walk("/missing", {"txt"}), Rows{});
}

TEST_F(FileWalk, does_not_follow_a_link_back_to_an_ancestor_but_follows_one_elsewhere) {
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
  EXPECT_EQ(lister_.listed(), (Rows{"/r/", "/r/a/", "/r/far/"}));
}

TEST_F(FileWalk, ordinary_folders_never_ask_for_an_identity) {
  AddLevels();
  Walk("/r", {"txt"});
  EXPECT_EQ(lister_.identity_requests(), 0);
}

TEST_F(FileWalk, ancestors_are_identified_once_however_many_links_are_met) {
  lister_.AddFolder("/r/", {Folder("a")});
  lister_.AddFolder("/r/a/", {FolderLink("l1"), FolderLink("l2"), FolderLink("l3")});
  lister_.SetIdentity("/r", 1);
  lister_.SetIdentity("/r/a", 2);
  for (const char* link : {"/r/a/l1", "/r/a/l2", "/r/a/l3"}) lister_.SetIdentity(link, 9);
  Walk("/r", {"x"});
  // Three link targets and two ancestors.
  EXPECT_EQ(lister_.identity_requests(), 5);
}

TEST_F(FileWalk, stops_at_once_when_asked) {
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

TEST_F(FileWalk, polls_at_every_entry_of_a_large_folder) {
  std::vector<FakeLister::Entry> many;
  for (int i = 0; i < 1000; ++i) many.push_back(File("f" + std::to_string(i)));
  lister_.AddFolder("/r/", many);
  RowRecorder recorder;
  const NameMatcher matcher(std::vector<std::string>{"nothing"}, MatchRule::kContains, NameEncoding::kUtf8);
  WalkFiles("/r", matcher, lister_, recorder);
  EXPECT_GE(recorder.polls, 1000);
}

}  // namespace
}  // namespace vorlix::app
