// What the folder index may trust: who listed it, a listing that failed on
// the way, and the volume below a root. The index goes through its file
// from run to run, as the programs keep it, and every run is held to the
// same run without the index.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_collection.h"
#include "app/search/index/folder_index_file.h"
#include "app/search/index/indexed_listing.h"
#include "search_engine_fixture.h"
#include "temporary_folder.h"

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

class FolderIndexTrust : public ::testing::Test {
 protected:
  // A folder with a stamp of second 100 on `volume`.
  void AddFolder(const std::string& folder, std::vector<FakeLister::Entry> entries, std::uint64_t volume = 1) {
    lister_.AddFolder(folder, std::move(entries));
    lister_.SetStamp(folder, {100 * kSecond, 100 * kSecond, 0, volume});
  }

  // For each root, the rows of a file search, the folders of a folder-name
  // search, and the folders each could not list whole.
  Rows Search(const std::vector<std::string>& roots, IndexedListing* index) {
    const NameMatcher matcher(std::vector<std::string>{"txt"}, MatchRule::kContains, NameEncoding::kUtf8);
    Rows found;
    for (const std::string& root : roots) {
      RowRecorder files;
      FolderRecorder folders;
      WalkFiles(root, matcher, lister_, files, {2, index});
      CollectFolders(root, lister_, folders, index);
      for (const Rows& part : {files.rows, folders.folders, files.not_listed, folders.not_listed}) {
        found.insert(found.end(), part.begin(), part.end());
      }
    }
    return found;
  }

  // One run at `seconds`, through the index in the file, which it writes
  // anew when it changed; its rows must be those of the run without it.
  void Run(std::uint64_t seconds, const std::vector<std::string>& roots = {"/r"}) {
    lister_.SetNow(seconds * kSecond);
    const FolderIndexFormat format = FolderIndexFormatOf(lister_);
    IndexedListing listing(LoadFolderIndex(file_, format), lister_);
    EXPECT_EQ(Search(roots, &listing), Search(roots, nullptr)) << "at second " << seconds;
    if (listing.Changed()) {
      ASSERT_TRUE(SaveFolderIndex(file_, listing.Result(), format));
    }
  }

  // The folders the file holds, as the lister now reads it.
  Rows Kept() const {
    Rows kept;
    LoadFolderIndex(file_, FolderIndexFormatOf(lister_))->ForEach([&kept](std::string_view folder, const FolderRecord&) {
      kept.emplace_back(folder);
    });
    std::sort(kept.begin(), kept.end());
    return kept;
  }

  testing::TemporaryFolder home_;
  const std::string file_ = home_.Path("index");
  FakeLister lister_;
};

// The folder's stamp can be read by anyone who may look it up; only group
// 1001 could list it.
TEST_F(FolderIndexTrust, an_index_another_identity_made_is_not_used_and_is_written_anew) {
  AddFolder("/r/", {File("one.txt"), Folder("private")});
  AddFolder("/r/private/", {File("secret.txt"), Folder("deeper")});
  AddFolder("/r/private/deeper/", {File("plan.txt")});
  lister_.SetListingIdentity("uid 1000 gid 1000 groups 1000 1001");
  Run(200);
  Run(300);
  ASSERT_EQ(Kept(), (Rows{"/r/", "/r/private/", "/r/private/deeper/"}));
  lister_.SetListingIdentity("uid 1000 gid 1000 groups 1000");
  lister_.FailListingAfter("/r/private/", 0);
  Run(400);
  EXPECT_EQ(Kept(), Rows{"/r/"}) << "written anew, by the identity that uses it";
}

// A disk error on a folder's second read: 3 of its 20 files, both ways,
// and listed again until it reads whole.
TEST_F(FolderIndexTrust, a_listing_that_failed_on_the_way_is_never_kept) {
  std::vector<FakeLister::Entry> twenty;
  for (int i = 0; i < 20; ++i) twenty.push_back(File("f" + std::to_string(i) + ".txt"));
  AddFolder("/r/", {File("one.txt"), Folder("sub")});
  AddFolder("/r/sub/", twenty);
  lister_.FailListingAfter("/r/sub/", 3);
  Run(200, {"/r", "/r/sub"});
  Run(300, {"/r", "/r/sub"});
  EXPECT_EQ(Kept(), Rows{"/r/"});
  lister_.ListWhole("/r/sub/");
  Run(400);
  EXPECT_EQ(Kept(), (Rows{"/r/", "/r/sub/"}));
  lister_.SetStamp("/r/sub/", {450 * kSecond, 450 * kSecond, 0, 1});
  lister_.FailListingAfter("/r/sub/", 3);
  Run(500);
  EXPECT_EQ(Kept(), Rows{"/r/"}) << "what was kept of it goes too";
}

struct MountCase {
  const char* what;
  bool is_link;          // the mount point shows as a reparse point, as on Windows
  std::uint64_t volume;  // the volume its stamps give
};

class FolderIndexTrustBelowMount : public FolderIndexTrust, public ::testing::WithParamInterface<MountCase> {};

// /r/mnt/ holds a volume whose folder stamps do not tell every change, as
// FAT's do not; the second root lies below it, walked after the first.
TEST_P(FolderIndexTrustBelowMount, a_root_below_a_mount_point_of_a_volume_that_keeps_no_stamps_is_walked) {
  AddFolder("/r/", {File("one.txt"), GetParam().is_link ? FolderLink("mnt") : Folder("mnt")});
  AddFolder("/r/mnt/", {File("a.txt"), Folder("deep")}, GetParam().volume);
  AddFolder("/r/mnt/deep/", {File("b.txt")}, GetParam().volume);
  lister_.SetLink("/r/mnt", GetParam().is_link);
  lister_.SetKeepsStampsBelow("/r/mnt/", false);
  Run(200, {"/r", "/r/mnt/deep"});
  lister_.AddFolder("/r/mnt/deep/", {File("b.txt"), File("c.txt")});  // no stamp moves
  Run(300, {"/r", "/r/mnt/deep"});
  const Rows kept = Kept();
  EXPECT_TRUE(std::none_of(kept.begin(), kept.end(), [](const std::string& folder) {
    return folder.starts_with("/r/mnt/");
  })) << "nothing at or below the mount point";
}

INSTANTIATE_TEST_SUITE_P(Mounts, FolderIndexTrustBelowMount,
                         ::testing::Values(MountCase{"Windows: a reparse point on the root's drive", true, 1},
                                           MountCase{"Linux: a folder of another device", false, 2}),
                         [](const auto& info) { return info.param.is_link ? "reparse_point" : "other_device"; });

// Below the root a mount point counts as a link whatever its volume keeps:
// what is mounted there can change while no stamp moves. A root decides by
// the volume that holds it.
TEST_F(FolderIndexTrust, a_mount_point_below_the_root_is_listed_every_time_with_everything_below_it) {
  AddFolder("/r/", {File("one.txt"), Folder("mnt")});
  AddFolder("/r/mnt/", {File("a.txt"), Folder("deep")}, 2);
  AddFolder("/r/mnt/deep/", {File("b.txt")}, 2);
  Run(200);
  Run(300);
  EXPECT_EQ(Kept(), Rows{"/r/"});
  Run(400, {"/r/mnt"});
  EXPECT_EQ(Kept(), (Rows{"/r/", "/r/mnt/", "/r/mnt/deep/"}));
}

}  // namespace
}  // namespace vorlix::app
