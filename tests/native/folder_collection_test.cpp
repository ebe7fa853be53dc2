#include "app/search/walk/folder_collection.h"

#include <gtest/gtest.h>

#include "search_engine_fixture.h"

namespace vorlix::app {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;
using testing::FolderLink;
using testing::FolderRecorder;
using Paths = std::vector<std::string>;

class FolderCollection : public ::testing::Test {
 protected:
  Paths Collect(std::string_view root, long polls_before_stop = -1, bool* finished = nullptr) {
    FolderRecorder recorder(polls_before_stop);
    const bool ended = CollectFolders(root, lister_, recorder);
    if (finished) *finished = ended;
    not_listed_ = recorder.not_listed;
    return recorder.folders;
  }

  FakeLister lister_{'\\', NameEncoding::kGbk};
  Paths not_listed_;  // of the last collection
};

TEST_F(FolderCollection, gives_the_root_first_then_every_folder_after_its_subfolders) {
  lister_.AddFolder("D:\\Data\\", {Folder("A"), File("f.txt"), Folder("B")});
  lister_.AddFolder("D:\\Data\\A\\", {Folder("A1"), Folder("A2")});
  lister_.AddFolder("D:\\Data\\A\\A1\\", {Folder("deep")});
  lister_.AddFolder("D:\\Data\\A\\A1\\deep\\", {});
  lister_.AddFolder("D:\\Data\\A\\A2\\", {});
  lister_.AddFolder("D:\\Data\\B\\", {});
  EXPECT_EQ(Collect("D:\\Data"), (Paths{"D:\\Data", "D:\\Data\\A\\A1\\deep", "D:\\Data\\A\\A1", "D:\\Data\\A\\A2",
                                        "D:\\Data\\A", "D:\\Data\\B"}));
}

TEST_F(FolderCollection, keeps_the_root_as_written_and_adds_no_second_separator) {
  lister_.AddFolder("D:\\Photos\\", {Folder("2019")});
  lister_.AddFolder("C:\\", {Folder("Windows")});
  EXPECT_EQ(Collect("D:\\Photos\\"), (Paths{"D:\\Photos\\", "D:\\Photos\\2019"}));
  EXPECT_EQ(Collect("C:"), (Paths{"C:", "C:\\Windows"}));
}

TEST_F(FolderCollection, a_folder_that_cannot_be_listed_gives_only_itself_and_is_told) {
  lister_.AddFolder("R:\\", {Folder("locked"), Folder("open")});
  lister_.AddFolder("R:\\open\\", {Folder("inner")});
  EXPECT_EQ(Collect("R:\\"), (Paths{"R:\\", "R:\\locked", "R:\\open\\inner", "R:\\open"}));
  EXPECT_EQ(not_listed_, (Paths{"R:\\locked", "R:\\open\\inner"}));
  EXPECT_EQ(Collect("Q:\\gone"), Paths{"Q:\\gone"});
  EXPECT_EQ(not_listed_, Paths{"root Q:\\gone"});
}

TEST_F(FolderCollection, gives_a_link_back_to_an_ancestor_without_entering_it) {
  lister_.AddFolder("R:\\", {Folder("a"), FolderLink("far")});
  lister_.AddFolder("R:\\a\\", {FolderLink("up")});
  lister_.AddFolder("R:\\far\\", {Folder("x")});
  lister_.SetIdentity("R:\\", 1);
  lister_.SetIdentity("R:\\a", 2);
  lister_.SetIdentity("R:\\a\\up", 1);
  lister_.SetIdentity("R:\\far", 3);
  EXPECT_EQ(Collect("R:"), (Paths{"R:", "R:\\a\\up", "R:\\a", "R:\\far\\x", "R:\\far"}));
  EXPECT_EQ(lister_.listed(), (Paths{"R:\\", "R:\\a\\", "R:\\far\\", "R:\\far\\x\\"}));
}

TEST_F(FolderCollection, a_deep_tree_is_collected_without_recursion) {
  constexpr int kDepth = 3000;
  std::string folder = "R:\\";
  for (int level = 0; level < kDepth; ++level) {
    lister_.AddFolder(folder, {Folder("d")});
    folder += "d\\";
  }
  const Paths folders = Collect("R:");
  ASSERT_EQ(folders.size(), kDepth + 1u);
  EXPECT_EQ(folders[1].size(), 2 + 2 * kDepth);
  EXPECT_EQ(folders.back(), "R:\\d");
}

TEST_F(FolderCollection, stops_at_once_when_asked) {
  lister_.AddFolder("R:\\", {Folder("a"), Folder("b")});
  lister_.AddFolder("R:\\a\\", {Folder("c")});
  const Paths all = Collect("R:");
  for (long polls = 0; polls < 10; ++polls) {
    bool finished = true;
    const Paths some = Collect("R:", polls, &finished);
    if (finished) {
      EXPECT_EQ(some, all);
      continue;
    }
    EXPECT_LT(some.size(), all.size());
    EXPECT_EQ(some, Paths(all.begin(), all.begin() + some.size()));
  }
}

}  // namespace
}  // namespace vorlix::app
