#include "app/search/names/found_names.h"

#include <gtest/gtest.h>

#include "app/search/names/folder_name_matches.h"

namespace vorlix::app {
namespace {

using Indices = std::vector<std::size_t>;

Indices NotFound(std::vector<std::string> names, MatchRule rule, std::vector<std::string> rows) {
  FoundNames found(names, rule, NameEncoding::kGbk);
  for (const std::string& row : rows) found.AddRow(row, '\\');
  return found.NotFound();
}

TEST(FoundNames, exact_file_search_finds_a_name_equal_to_a_row_name_with_or_without_its_extension) {
  // report, REPORT, report.doc found; port and rep were only parts of a name.
  EXPECT_EQ(NotFound({"report", "REPORT", "report.doc", "port", "rep", "report.doc.bak"}, MatchRule::kExactFile,
                     {"D:\\x\\report.doc"}),
            (Indices{3, 4, 5}));
  EXPECT_EQ(NotFound({"a.txt", "b.txt"}, MatchRule::kExactFile, {"C:\\A.TXT"}), (Indices{1}));
}

TEST(FoundNames, never_matches_across_two_row_names_or_a_folder_above_the_row) {
  EXPECT_EQ(NotFound({"doc\\b", "xy"}, MatchRule::kContains, {"C:\\xy\\a.doc", "C:\\xy\\b.txt"}), (Indices{0, 1}));
}

TEST(FoundNames, fuzzy_search_finds_a_name_contained_in_a_row_name) {
  EXPECT_EQ(NotFound({"port", "REP", "xyz"}, MatchRule::kContains, {"D:\\x\\report.doc"}), (Indices{2}));
}

TEST(FoundNames, folder_name_search_compares_the_folder_own_name) {
  EXPECT_EQ(NotFound({"photos", "data", "PHOTOS", "c:"}, MatchRule::kExactWhole, {"D:\\Data\\Photos", "C:"}),
            (Indices{1}));
  EXPECT_EQ(NotFound({"hot", "dat"}, MatchRule::kContains, {"D:\\Data\\Photos"}), (Indices{1}));
  // A root written with a closing backslash has an empty own name.
  EXPECT_EQ(NotFound({"photos"}, MatchRule::kExactWhole, {"D:\\Photos\\"}), (Indices{0}));
}

TEST(FoundNames, an_empty_name_is_found_when_there_is_any_row) {
  EXPECT_EQ(NotFound({"", "a"}, MatchRule::kExactFile, {"C:\\b"}), (Indices{1}));
  EXPECT_EQ(NotFound({"", "a"}, MatchRule::kExactFile, {}), (Indices{0, 1}));
}

TEST(FoundNames, a_trail_byte_equal_to_the_backslash_does_not_split_a_row_name) {
  EXPECT_EQ(NotFound({"\x95\x5C" "a", "a"}, MatchRule::kExactWhole, {"C:\\\x95\x5C" "a"}), (Indices{1}));
}

TEST(FoundNames, each_copy_of_a_name_typed_twice_is_found) {
  EXPECT_EQ(NotFound({"a", "b", "a"}, MatchRule::kExactFile, {"C:\\a.txt"}), (Indices{1}));
}

TEST(FolderNameMatches, gives_rows_keyword_by_keyword_then_in_folder_order) {
  const std::vector<std::string> keywords{"2019", "pics", "2019"};
  const NameMatcher matcher(keywords, MatchRule::kContains, NameEncoding::kGbk);
  FolderNameMatches matches(matcher, '\\');
  for (const char* folder : {"D:\\Pics", "D:\\Pics\\2019-01", "D:\\Pics\\old", "D:\\2019", "D:\\PICS 2019\\"}) {
    matches.Add(folder);
  }
  std::vector<std::string> rows;
  matches.ForEachRow([&](std::uint32_t keyword, std::string_view folder) {
    rows.push_back(std::to_string(keyword) + " " + std::string(folder));
  });
  EXPECT_EQ(rows, (std::vector<std::string>{"0 D:\\Pics\\2019-01", "0 D:\\2019", "1 D:\\Pics", "2 D:\\Pics\\2019-01",
                                            "2 D:\\2019"}));
}

}  // namespace
}  // namespace vorlix::app
