// The engine over the system's listing, on folder trees made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_collection.h"
#include "search_engine_fixture.h"
#include "temporary_folder.h"

namespace vorlix::app {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::string>;

std::string Lower(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return text;
}

// The walk as first described: each folder listed twice, once for its
// subfolders and once for its files, each file compared with each keyword;
// a row also names the file as on disk where that is not its lowered name.
Rows ReferenceWalk(const std::string& root, const std::vector<std::string>& keywords) {
  Rows rows;
  std::deque<std::string> queue{root + "/"};
  for (; !queue.empty(); queue.pop_front()) {
    const std::string& folder = queue.front();
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.is_directory()) queue.push_back(folder + entry.path().filename().string() + "/");
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.is_directory()) continue;
      const std::string on_disk = entry.path().filename().string();
      const std::string name = Lower(on_disk);
      const std::string as_on_disk = name == on_disk ? "" : "|" + on_disk;
      for (std::size_t k = 0; k < keywords.size(); ++k) {
        if (name.find(Lower(keywords[k])) != std::string::npos) {
          rows.push_back(folder + name + "|" + std::to_string(k) + as_on_disk);
        }
      }
    }
  }
  return rows;
}

class RealTree : public ::testing::Test {
 protected:
  static constexpr long kEnoughPolls = 100000;

  void MakeFolder(const std::string& path) { fs::create_directories(tree_.Path(path)); }
  void MakeFile(const std::string& path) { tree_.Write(path, "x"); }
  void Link(const std::string& target, const std::string& link) { fs::create_directory_symlink(target, tree_.Path(link)); }

  Rows Walk(const std::string& root, const std::vector<std::string>& keywords, unsigned listing_threads = 0) {
    const NameMatcher matcher(keywords, MatchRule::kContains, NameEncoding::kUtf8);
    // A walk that followed a link cycle would grow without end: it is cut off
    // and fails instead.
    testing::RowRecorder recorder(kEnoughPolls);
    EXPECT_TRUE(WalkFiles(root, matcher, SystemFolderLister(), recorder, {listing_threads}));
    Rows rows;
    for (const std::string& row : recorder.rows) {
      const auto bar = row.find('|');
      const auto second_bar = row.find('|', bar + 1);
      rows.push_back(row.substr(0, bar) + row.substr(bar + 1, second_bar - bar - 1) + row.substr(second_bar));
    }
    return rows;
  }

  // The tree's own folder, without a closing separator.
  std::string Root() const {
    std::string root = tree_.Path("");
    root.pop_back();
    return root;
  }

  Rows Collect(const std::string& root) {
    testing::FolderRecorder recorder(kEnoughPolls);
    EXPECT_TRUE(CollectFolders(root, SystemFolderLister(), recorder));
    return recorder.folders;
  }

  testing::TemporaryFolder tree_;
};

TEST_F(RealTree, walk_gives_the_rows_of_the_double_listing_in_its_order) {
  for (const char* folder : {"a/b/c", "a/d", "e", ".hidden", "\xE4\xB8\xAD\xE6\x96\x87"}) MakeFolder(folder);
  for (const char* file : {"x.TXT", "a/y.txt", "a/b/z.txt", "a/b/c/W.txt", "a/d/v.doc", "e/u.txt", ".hidden/h.txt",
                           ".dotfile.txt", "\xE4\xB8\xAD\xE6\x96\x87/\xE6\x8A\xA5\xE5\x91\x8A.TXT"}) {
    MakeFile(file);
  }
  const std::string trimmed = Root();
  const std::vector<std::string> keywords{".txt", "\xE6\x8A\xA5", "z", ".txt"};
  const Rows expected = ReferenceWalk(trimmed, keywords);
  EXPECT_EQ(expected.size(), 18u);
  EXPECT_EQ(Walk(trimmed, keywords), expected);
  EXPECT_EQ(Walk(trimmed, keywords, 2), expected);
}

TEST_F(RealTree, walk_follows_a_link_elsewhere_but_not_one_back_to_an_ancestor) {
  testing::TemporaryFolder elsewhere;
  elsewhere.Write("far.txt", "x");
  MakeFolder("a");
  MakeFile("a/near.txt");
  Link("..", "a/up");
  Link(tree_.Path(""), "a/root");
  Link(elsewhere.Path(""), "far");
  const std::string root = Root();
  Rows rows = Walk(root, {".txt"});
  std::sort(rows.begin(), rows.end());
  EXPECT_EQ(rows, (Rows{root + "/a/near.txt|0", root + "/far/far.txt|0"}));
}

TEST_F(RealTree, a_link_to_a_file_is_a_file) {
  MakeFile("target.txt");
  fs::create_symlink(tree_.Path("target.txt"), tree_.Path("link.txt"));
  EXPECT_EQ(Walk(Root(), {"link"}), Rows{Root() + "/link.txt|0"});
}

TEST_F(RealTree, collection_puts_the_root_first_and_each_folder_after_its_subfolders) {
  for (const char* folder : {"a/b/c", "a/d", "e", ".hidden"}) MakeFolder(folder);
  MakeFile("a/file");
  Link("..", "a/d/up");
  const std::string trimmed = Root();
  const Rows folders = Collect(trimmed);
  ASSERT_EQ(folders.size(), 8u);
  EXPECT_EQ(folders.front(), trimmed);
  auto position = [&](const std::string& folder) {
    return std::find(folders.begin(), folders.end(), trimmed + folder) - folders.begin();
  };
  for (const char* folder : {"/a", "/a/b", "/a/b/c", "/a/d", "/a/d/up", "/e", "/.hidden"}) {
    EXPECT_LT(position(folder), 8) << folder;
  }
  EXPECT_LT(position("/a/b/c"), position("/a/b"));
  EXPECT_LT(position("/a/b"), position("/a"));
  EXPECT_LT(position("/a/d/up"), position("/a/d"));
  EXPECT_LT(position("/a/d"), position("/a"));
}

}  // namespace
}  // namespace vorlix::app
