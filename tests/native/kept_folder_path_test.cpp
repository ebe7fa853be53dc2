#include "app/results/kept_folder_path.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlix::app {
namespace {

// A GBK character whose second byte is the backslash.
constexpr std::string_view kTrailBackslash = "\x95\x5C";

struct BelowCase {
  std::string path;
  std::string root;
  std::optional<std::string> below;
};

TEST(PathBelowRoot, is_the_path_after_its_root_with_a_drive_as_its_letter) {
  const std::string odd = "D:\\" + std::string(kTrailBackslash);
  const BelowCase cases[] = {
      {"D:\\Photos\\2019\\a.jpg", "D:\\Photos", "2019\\a.jpg"},
      {"D:\\Photos\\2019\\a.jpg", "D:\\Photos\\", "2019\\a.jpg"},
      {"D:\\Photos\\a.jpg", "D:\\Photos", "a.jpg"},
      // Overlapping roots: one file, a place below each.
      {"D:\\Photos\\2019\\a.jpg", "D:\\Photos\\2019", "a.jpg"},
      // Whole-computer mode and a drive chosen as a folder.
      {"C:\\Users\\x.txt", "C:", "C\\Users\\x.txt"},
      {"C:\\Users\\x.txt", "C:\\", "C\\Users\\x.txt"},
      {"c:\\Users\\x.txt", "C:", "C\\Users\\x.txt"},
      {"c:\\Users\\x.txt", "c:", "C\\Users\\x.txt"},
      {"C:\\Users", "C", "C\\Users"},
      // The root itself, as the folder-name search finds it.
      {"D:\\Photos", "D:\\Photos", "Photos"},
      {"C:", "C:", "C"},
      {"C:\\", "C:", "C"},
      {"\\\\server\\share\\d\\a.txt", "\\\\server\\share", "d\\a.txt"},
      {"\\\\server\\share", "\\\\server\\share", "share"},
      // A trail byte equal to the backslash is part of its character.
      {odd + "\\a.txt", odd, "a.txt"},
      {odd, odd, std::string(kTrailBackslash)},
      {"D:\\x" + std::string(kTrailBackslash) + "\\a", "D:\\x" + std::string(kTrailBackslash), "a"},
      // Not below the root.
      {"D:\\Photos2\\a.jpg", "D:\\Photos", std::nullopt},
      {"D:\\Pho", "D:\\Photos", std::nullopt},
      {"E:\\a.txt", "C:", std::nullopt},
      {"E", "C", std::nullopt},
      {"D:\\a.txt", "", std::nullopt},
      {"D:\\a.txt", "\\", std::nullopt},
  };
  for (const BelowCase& each : cases) {
    EXPECT_EQ(PathBelowRoot(each.path, each.root), each.below) << each.path << " from " << each.root;
  }
}

struct FolderCase {
  std::string path;
  std::string root;
  std::string target;
  std::optional<std::string> folder;
};

TEST(KeptFolderFor, is_the_target_then_the_folders_below_the_root) {
  const FolderCase cases[] = {
      {"D:\\P\\2019\\a.jpg", "D:\\P", "T:\\out\\", "T:\\out\\2019\\"},
      {"D:\\P\\2019\\a.jpg", "D:\\P", "T:\\out", "T:\\out\\2019\\"},
      {"D:\\P\\a.jpg", "D:\\P", "T:\\out\\", "T:\\out\\"},
      // A drive root chosen as the target comes with two backslashes.
      {"D:\\P\\2019\\a.jpg", "D:\\P", "E:\\\\", "E:\\2019\\"},
      {"D:\\P", "D:\\P", "T:\\o\\", "T:\\o\\"},
      {"C:\\Users\\me\\a.txt", "C:", "T:\\o\\", "T:\\o\\C\\Users\\me\\"},
      {"C:\\Users", "C:", "T:\\o\\", "T:\\o\\C\\"},
      {"E:\\a.txt", "C:", "T:\\o\\", std::nullopt},
  };
  for (const FolderCase& each : cases) {
    EXPECT_EQ(KeptFolderFor(each.path, each.root, each.target), each.folder) << each.path << " from " << each.root;
  }
}

// Any path built below a folder root comes back as the part below it, and
// its folder below the target holds the same folders.
TEST(KeptFolderFor, rebuilds_every_path_below_the_target) {
  const std::vector<std::string> names{"a", "B c", "\xD6\xD0", std::string(kTrailBackslash), "x.txt", "..a"};
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string folders;
    for (unsigned depth = random() % 4; depth > 0; --depth) folders += names[random() % names.size()] + "\\";
    const std::string below = folders + names[random() % names.size()];
    const std::string root = random() % 2 ? "D:\\root" : "D:\\root\\";
    const std::string path = "D:\\root\\" + below;
    EXPECT_EQ(PathBelowRoot(path, root), below) << path;
    EXPECT_EQ(KeptFolderFor(path, root, "T:\\"), "T:\\" + folders) << path;
  }
}

}  // namespace
}  // namespace vorlix::app
