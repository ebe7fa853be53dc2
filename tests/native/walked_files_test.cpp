#include "app/search/suggestions/walked_files.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vorlix::app {
namespace {

// Enough names, of every length up to a few hundred bytes, to fill several
// blocks; every one comes back in order with its folder.
TEST(WalkedFiles, gives_back_every_file_in_the_order_met_across_blocks) {
  WalkedFiles walked;
  std::vector<std::pair<std::string, std::string>> added;
  for (int file = 0; file < 20000; ++file) {
    const std::string folder = "/f" + std::to_string(file / 7) + "/";
    const std::string name = std::string(1 + file % 300, static_cast<char>('a' + file % 26)) + std::to_string(file);
    walked.AddFile(folder, name);
    added.emplace_back(folder, name);
  }
  std::vector<std::pair<std::string, std::string>> given;
  EXPECT_TRUE(walked.ForEach([&](std::string_view folder, std::string_view name) {
    given.emplace_back(folder, name);
    return true;
  }));
  EXPECT_EQ(walked.size(), added.size());
  EXPECT_EQ(given, added);
}

}  // namespace
}  // namespace vorlix::app
