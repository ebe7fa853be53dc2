#include "app/search/index/folder_index_store.h"

#include <gtest/gtest.h>

#include "app/search/walk/file_walk.h"
#include "search_engine_fixture.h"
#include "temporary_folder.h"

namespace vorlix::app {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;
using testing::RowRecorder;

constexpr FolderIndexFormat kFormat{'/', NameEncoding::kUtf8};
constexpr std::uint64_t kSecond = 1000;

class FolderIndexStoreTest : public ::testing::Test {
 protected:
  FolderIndexStoreTest() {
    lister_.AddFolder("/r/", {File("a.txt"), Folder("sub")});
    lister_.AddFolder("/r/sub/", {File("b.txt")});
    lister_.SetStamp("/r/", {100 * kSecond, 100 * kSecond, 0, 1});
    lister_.SetStamp("/r/sub/", {100 * kSecond, 100 * kSecond, 0, 1});
    lister_.SetNow(200 * kSecond);
  }

  // One search through the store, handed back when it ends.
  void Search(FolderIndexStore& store) {
    SearchIndex index(&store, lister_, [] { return true; });
    ASSERT_NE(index.listing(), nullptr);
    const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
    RowRecorder rows;
    WalkFiles("/r", matcher, lister_, rows, {0, index.listing()});
    index.HandBack();
  }

  std::size_t FoldersInFile() { return LoadFolderIndex(file_, kFormat)->size(); }

  testing::TemporaryFolder folder_;
  std::string file_ = folder_.Path("index");
  FakeLister lister_;
};

TEST_F(FolderIndexStoreTest, a_search_is_kept_in_memory_and_written_to_the_file) {
  FolderIndexStore store(file_, kFormat);
  Search(store);
  store.Finish();
  EXPECT_EQ(FoldersInFile(), 2u);
  const auto taken = store.Await([] { return true; });
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(taken->index->size(), 2u) << "the next search gets what the last one left";
}

TEST_F(FolderIndexStoreTest, a_new_store_loads_what_an_earlier_one_wrote) {
  {
    FolderIndexStore earlier(file_, kFormat);
    Search(earlier);
  }
  FolderIndexStore store(file_, kFormat);
  store.StartLoading();
  const auto taken = store.Await([] { return true; });
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(taken->index->size(), 2u);
}

TEST_F(FolderIndexStoreTest, clearing_empties_memory_and_file_and_drops_a_search_begun_before) {
  FolderIndexStore store(file_, kFormat);
  Search(store);
  SearchIndex begun(&store, lister_, [] { return true; });
  store.Clear();
  EXPECT_EQ(FoldersInFile(), 0u);
  lister_.SetStamp("/r/", {150 * kSecond, 150 * kSecond, 0, 1});  // the search lists something anew
  const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
  RowRecorder rows;
  WalkFiles("/r", matcher, lister_, rows, {0, begun.listing()});
  begun.HandBack();
  store.Finish();
  EXPECT_EQ(FoldersInFile(), 0u) << "a search from before the clearing keeps nothing";
  EXPECT_EQ(store.Await([] { return true; })->index->size(), 0u);
}

TEST_F(FolderIndexStoreTest, without_a_store_a_search_uses_no_index) {
  SearchIndex none(nullptr, lister_, [] { return true; });
  EXPECT_EQ(none.listing(), nullptr);
  none.HandBack();
}

}  // namespace
}  // namespace vorlix::app
