// The folder index over a real folder tree on the disk, with the system's
// own stamps, changed between searches as a user and programs change it.
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_collection.h"
#include "app/search/index/indexed_listing.h"
#include "app/vorlix_find/vorlix_find.h"
#include "platform/folder_stamps.h"
#include "search_engine_fixture.h"
#include "temporary_folder.h"

namespace vorlix::app {
namespace {

namespace fs = std::filesystem;
using testing::FolderRecorder;
using testing::RowRecorder;
using Rows = std::vector<std::string>;

// The system's listing and stamps, with a clock some seconds ahead: what
// was listed is never racy, so every folder whose stamp stayed comes from
// the index. The changes come well after each search, so the stamps of
// the folders they touch always move.
class ClockAhead final : public FolderLister {
 public:
  char separator() const override { return SystemFolderLister().separator(); }
  NameEncoding encoding() const override { return SystemFolderLister().encoding(); }
  std::string Identity() const override { return SystemFolderLister().Identity(); }
  bool List(std::string_view folder, platform::FolderEntryVisitor& visitor) const override {
    return SystemFolderLister().List(folder, visitor);
  }
  std::optional<platform::FolderIdentity> Identify(std::string_view path) const override {
    return SystemFolderLister().Identify(path);
  }
  std::optional<platform::FolderStamp> Stamp(std::string_view folder) const override {
    return SystemFolderLister().Stamp(folder);
  }
  bool KeepsStamps(std::string_view folder) const override { return SystemFolderLister().KeepsStamps(folder); }
  bool IsLink(std::string_view path) const override { return SystemFolderLister().IsLink(path); }
  std::uint64_t Now() const override {
    return SystemFolderLister().Now() + 2 * kRacySeconds * SystemFolderLister().TicksPerSecond();
  }
  std::uint64_t TicksPerSecond() const override { return SystemFolderLister().TicksPerSecond(); }
};

class ChangingDisk {
 public:
  ChangingDisk(const fs::path& root, std::uint32_t seed) : root_(root), random_(seed) {
    fs::create_directories(root_);
    for (int i = 0; i < 60; ++i) Add();
  }

  void ChangeSomething() {
    switch (Pick(8)) {
      case 0: case 1: Add(); break;
      case 2: Remove(); break;
      case 3: Rename(false); break;
      case 4: Rename(true); break;
      case 5: SwapFolderForLink(); break;
      case 6: SetWriteTimeBack(); break;
      default: ChangeContent(); break;
    }
  }

 private:
  std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

  std::vector<fs::path> Entries(bool folders_only) {
    std::vector<fs::path> found;
    for (auto at = fs::recursive_directory_iterator(root_); at != fs::recursive_directory_iterator(); ++at) {
      if (at->is_symlink()) {
        at.disable_recursion_pending();
      } else if (!folders_only || at->is_directory()) {
        found.push_back(at->path());
      }
    }
    std::sort(found.begin(), found.end());
    return found;
  }

  fs::path AnyFolder() {
    std::vector<fs::path> folders = Entries(true);
    folders.push_back(root_);
    return folders[Pick(folders.size())];
  }

  std::string NewName() {
    static const char* const kWords[] = {"Report", "photo", "a", "NOTES", "2019", "report.doc"};
    return std::string(kWords[Pick(6)]) + std::to_string(Pick(100)) + (Pick(2) ? ".txt" : "");
  }

  void Add() {
    const fs::path path = AnyFolder() / NewName();
    if (fs::exists(fs::symlink_status(path))) return;
    if (Pick(3) == 0) {
      fs::create_directory(path);
    } else {
      std::ofstream(path) << "x";
    }
  }

  void Remove() {
    const std::vector<fs::path> entries = Entries(false);
    if (!entries.empty()) fs::remove_all(entries[Pick(entries.size())]);
  }

  void Rename(bool case_only) {
    const std::vector<fs::path> entries = Entries(false);
    if (entries.empty()) return;
    const fs::path from = entries[Pick(entries.size())];
    std::string name = case_only ? from.filename().string() : NewName();
    if (case_only) {
      for (char& c : name) c = std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c);
    }
    const fs::path to = from.parent_path() / name;
    if (!fs::exists(fs::symlink_status(to))) fs::rename(from, to);
  }

  void SwapFolderForLink() {
    const fs::path folder = AnyFolder();
    const fs::path target = AnyFolder();
    if (folder == root_ || target.string().starts_with(folder.string()) ||
        folder.string().starts_with(target.string())) {
      return;
    }
    fs::remove_all(folder);
    fs::create_directory_symlink(target, folder);
  }

  // Adds a file to a folder, then sets the folder's last-write time back to
  // what it was, as a restore program does; its change time still moves.
  void SetWriteTimeBack() {
    const fs::path folder = AnyFolder();
    struct stat before {};
    stat(folder.c_str(), &before);
    std::ofstream(folder / (NewName() + "-late")) << "x";
    const timespec times[2] = {before.st_atim, before.st_mtim};
    utimensat(AT_FDCWD, folder.c_str(), times, 0);
  }

  void ChangeContent() {
    std::vector<fs::path> entries = Entries(false);
    std::erase_if(entries, [](const fs::path& path) { return fs::is_directory(path); });
    if (!entries.empty()) std::ofstream(entries[Pick(entries.size())], std::ios::app) << "more";
  }

  fs::path root_;
  std::mt19937 random_;
};

Rows WalkRows(const FolderLister& lister, const std::string& root, IndexedListing* index) {
  const NameMatcher matcher(std::vector<std::string>{"a", "report", "2", ".txt", "photo1"}, MatchRule::kContains,
                            lister.encoding());
  RowRecorder recorder;
  WalkFiles(root, matcher, lister, recorder, {2, index});
  return recorder.rows;
}

Rows Collected(const FolderLister& lister, const std::string& root, IndexedListing* index) {
  FolderRecorder recorder;
  CollectFolders(root, lister, recorder, index);
  return recorder.folders;
}

TEST(FolderIndexOnDisk, gives_the_rows_of_a_walk_while_the_tree_changes) {
  testing::TemporaryFolder home;
  const std::string root = home.Path("tree");
  ChangingDisk disk(root, 7);
  const ClockAhead lister;
  auto index = std::make_shared<const FolderIndex>();
  std::uint64_t replayed = 0;
  for (int round = 0; round < 25; ++round) {
    IndexedListing listing(index, lister);
    ASSERT_EQ(WalkRows(lister, root, &listing), WalkRows(lister, root, nullptr)) << "round " << round;
    ASSERT_EQ(Collected(lister, root, &listing), Collected(lister, root, nullptr)) << "round " << round;
    replayed += listing.replayed();
    index = std::make_shared<const FolderIndex>(listing.Result());
    // A file system's clock ticks in steps of some milliseconds.
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
    for (int change = round % 3; change >= 0; --change) disk.ChangeSomething();
  }
  EXPECT_GT(replayed, 200u) << "the index was used";
}

// With the system's own clock every folder changed within the last seconds
// is racy: a change made in the same clock step as its listing is seen.
TEST(FolderIndexOnDisk, changes_right_after_a_listing_are_seen) {
  testing::TemporaryFolder home;
  const std::string root = home.Path("tree");
  ChangingDisk disk(root, 11);
  const FolderLister& lister = SystemFolderLister();
  auto index = std::make_shared<const FolderIndex>();
  for (int round = 0; round < 10; ++round) {
    IndexedListing listing(index, lister);
    ASSERT_EQ(WalkRows(lister, root, &listing), WalkRows(lister, root, nullptr)) << "round " << round;
    index = std::make_shared<const FolderIndex>(listing.Result());
    disk.ChangeSomething();
  }
}

// A folder's own right to be listed is part of its metadata: changing it
// moves the folder's change time, so its stamp, and a folder the index's
// identity may no longer list is listed anew.
TEST(FolderIndexOnDisk, a_change_of_a_folders_rights_moves_its_stamp) {
  testing::TemporaryFolder home;
  const std::string folder = home.Path("private");
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms::owner_all | fs::perms::group_all);
  const std::optional<platform::FolderStamp> before = platform::ReadFolderStamp(folder + "/");
  std::this_thread::sleep_for(std::chrono::milliseconds(15));  // past a step of the file system's clock
  fs::permissions(folder, fs::perms::owner_all);
  const std::optional<platform::FolderStamp> after = platform::ReadFolderStamp(folder + "/");
  ASSERT_TRUE(before && after);
  EXPECT_NE(*before, *after);
}

// Tab completion writes a link's path with a closing separator, and lstat
// of "link/" follows the link: the separator must not hide it.
TEST(FolderIndexOnDisk, a_link_given_as_a_root_is_never_kept_with_or_without_a_closing_separator) {
  testing::TemporaryFolder home;
  const std::string target = home.Path("tree");
  ChangingDisk disk(target, 5);
  const std::string link = home.Path("link");
  fs::create_directory_symlink(target, link);
  const ClockAhead lister;
  for (const std::string& root : {link, link + "/"}) {
    auto index = std::make_shared<const FolderIndex>();
    for (int round = 0; round < 2; ++round) {
      IndexedListing listing(index, lister);
      ASSERT_EQ(WalkRows(lister, root, &listing), WalkRows(lister, root, nullptr)) << root;
      ASSERT_EQ(Collected(lister, root, &listing), Collected(lister, root, nullptr)) << root;
      index = std::make_shared<const FolderIndex>(listing.Result());
    }
    EXPECT_TRUE(index->empty()) << root;
  }
}

// vorlix-find keeps its index in the file it is given, reads it back on the
// next run, and leaves it alone with --no-index.
TEST(FolderIndexOnDisk, vorlix_find_keeps_its_index_between_runs) {
  testing::TemporaryFolder home;
  const std::string root = home.Path("tree");
  ChangingDisk disk(root, 3);
  const std::string index_file = home.Path("cache-index");
  const auto run = [&](std::vector<std::string> arguments) {
    std::string output;
    const FindStreams streams{[&](std::string_view text) {
                                output += text;
                                return true;
                              },
                              [](std::string_view) {}, [] { return std::optional<std::string>("a\nphoto1\n"); },
                              [&] { return index_file; }};
    arguments.insert(arguments.end(), {"--fuzzy", "--names", "-", root});
    EXPECT_EQ(RunVorlixFind(arguments, SystemFolderLister(), streams), 0);
    return output;
  };
  const std::string walked = run({"--no-index"});
  EXPECT_FALSE(home.Exists("cache-index"));
  EXPECT_EQ(run({}), walked);
  ASSERT_TRUE(home.Exists("cache-index"));
  EXPECT_EQ(run({}), walked);
  const std::string kept = home.Read("cache-index");
  disk.ChangeSomething();
  disk.ChangeSomething();
  EXPECT_EQ(run({"--no-index"}), run({}));
  EXPECT_EQ(run({"--folders"}), run({"--folders", "--no-index"}));
  home.Write("cache-index", kept.substr(0, kept.size() / 2));
  EXPECT_EQ(run({}), run({"--no-index"})) << "a file cut short is ignored and written anew";
  EXPECT_NE(home.Read("cache-index").size(), kept.size() / 2);
}

}  // namespace
}  // namespace vorlix::app
