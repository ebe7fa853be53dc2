#include "app/search/suggestions/name_suggestions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/search/names/suggestion_finder.h"

namespace vorlix::app {
namespace {

// Enough files for the names to be shared out between two threads, with a
// camera's names in many folders, so that equal candidates lie in both
// halves; the paths must be those one finder gives over every name.
TEST(SuggestPaths, gives_the_paths_one_finder_gives_when_the_names_are_shared_between_threads) {
  WalkedFiles walked;
  std::vector<std::string> paths;
  std::vector<std::string> lowered;
  char name[32];
  for (int folder = 0; folder < 70; ++folder) {
    const std::string path = "/photos/" + std::to_string(folder) + "/";
    for (int shot = 0; shot < 1000; ++shot) {
      std::snprintf(name, sizeof name, "IMG_%04d.JPG", (folder * 37 + shot) % 3000);
      // The first name of a stretch for the second thread, and the only
      // one near "bondary".
      if (folder * 1000 + shot == 4096 * 5) std::snprintf(name, sizeof name, "Boundary.txt");
      walked.AddFile(path, name);
      paths.push_back(path + name);
      LoweredName lower;
      lower.Assign(name, NameEncoding::kUtf8);
      lowered.emplace_back(lower.text());
    }
  }
  const std::vector<std::string> keywords{"IMG_1243", "img_12", "IMG-0007", "IMG_2999.JPG", "nothing near",
                                              "bondary"};
  for (const MatchRule rule : {MatchRule::kExactFile, MatchRule::kContains}) {
    SuggestionFinder one(keywords, rule, NameEncoding::kUtf8, {});
    for (std::uint32_t at = 0; at < lowered.size(); ++at) one.Offer(lowered[at], at);
    std::vector<std::vector<std::string>> expected;
    for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
      expected.emplace_back();
      for (const Suggestion& s : one.Of(keyword)) expected.back().push_back(paths[s.ordinal]);
    }
    const auto suggested = SuggestPaths(keywords, rule, NameEncoding::kUtf8, walked, false, [] { return false; });
    ASSERT_TRUE(suggested.has_value());
    EXPECT_EQ(*suggested, expected) << static_cast<int>(rule);
    EXPECT_EQ((*suggested)[0].size(), 3u) << "many files are near";
    EXPECT_EQ((*suggested)[5], std::vector<std::string>{"/photos/20/Boundary.txt"});
  }
}

TEST(SuggestPaths, gives_nothing_when_told_to_stop) {
  WalkedFiles walked;
  for (int file = 0; file < 100000; ++file) walked.AddFile("/f/", "a" + std::to_string(file));
  const std::vector<std::string> keywords{"a12345"};
  EXPECT_FALSE(SuggestPaths(keywords, MatchRule::kExactFile, NameEncoding::kUtf8, walked, false, [] { return true; }));
}

}  // namespace
}  // namespace vorlix::app
