#include "app/search/names/name_counts.h"

#include <gtest/gtest.h>

#include "app/results/csv_text.h"
#include "app/results/name_counts_file.h"
#include "csv_reading.h"
#include "texts.h"

namespace vorlix::app {
namespace {

using Files = std::vector<std::size_t>;

struct Counted {
  Files files;
  std::vector<std::vector<std::string>> paths;
};

Counted Count(std::vector<std::string> names, MatchRule rule, std::vector<std::string> rows,
              NameEncoding encoding = NameEncoding::kGbk, std::size_t kept = 10, char separator = '\\') {
  NameCounts counts(names, rule, encoding, kept);
  for (const std::string& row : rows) counts.AddRow(row, separator);
  Counted counted;
  for (const NameCounts::Count& count : counts.counts()) {
    counted.files.push_back(count.files);
    counted.paths.push_back(count.first_paths);
  }
  return counted;
}

TEST(NameCounts, counts_the_files_whose_own_name_matches_under_the_search_rule) {
  const std::vector<std::string> rows{"D:\\a\\report.doc", "D:\\b\\report.doc", "D:\\b\\report", "D:\\b\\myreport.doc",
                                      "D:\\report\\x.txt"};
  EXPECT_EQ(Count({"report", "report.doc", "missing", "port"}, MatchRule::kExactFile, rows).files,
            (Files{3, 2, 0, 0}));
  EXPECT_EQ(Count({"report", "x"}, MatchRule::kContains, rows).files, (Files{4, 1}));
  EXPECT_EQ(Count({"report", "b"}, MatchRule::kExactWhole, {"D:\\a\\Report", "D:\\Report\\b", "D:\\report.x"}).files,
            (Files{1, 1}));
}

TEST(NameCounts, a_file_given_by_several_rows_counts_once_for_each_name) {
  // Two overlapping roots reach one file, and a name typed twice gives it
  // a row per copy; every copy of the name counts it once.
  const std::vector<std::string> rows{"D:\\p\\x\\a.txt", "D:\\p\\x\\a.txt", "D:\\p\\x\\a.txt", "D:\\p\\x\\a.txt",
                                      "D:\\q\\a.txt"};
  const Counted counted = Count({"a.txt", "b", "a.txt"}, MatchRule::kExactFile, rows);
  EXPECT_EQ(counted.files, (Files{2, 0, 2}));
  EXPECT_EQ(counted.paths[0], (std::vector<std::string>{"D:\\p\\x\\a.txt", "D:\\q\\a.txt"}));
}

TEST(NameCounts, windows_paths_differing_in_ascii_case_are_one_file_linux_paths_are_two) {
  const std::vector<std::string> rows{"D:\\Photos\\a.txt", "d:\\photos\\a.txt"};
  EXPECT_EQ(Count({"a.txt"}, MatchRule::kExactFile, rows).files, (Files{1}));
  EXPECT_EQ(Count({"a.txt"}, MatchRule::kExactFile, {"/p/A.txt", "/p/a.txt"}, NameEncoding::kUtf8, 10, '/').files,
            (Files{2}));
}

TEST(NameCounts, keeps_the_first_paths_in_row_order_up_to_the_limit) {
  const Counted counted = Count({"a"}, MatchRule::kContains, {"C:\\1\\a", "C:\\2\\a", "C:\\3\\a", "C:\\1\\a"},
                                NameEncoding::kGbk, 2);
  EXPECT_EQ(counted.files, (Files{3}));
  EXPECT_EQ(counted.paths[0], (std::vector<std::string>{"C:\\1\\a", "C:\\2\\a"}));
}

TEST(NameCounts, an_empty_name_matches_no_file) {
  EXPECT_EQ(Count({"", "a"}, MatchRule::kContains, {"C:\\a"}).files, (Files{0, 1}));
}

TEST(OrderOfCounts, puts_names_with_several_files_first_each_group_in_name_order) {
  std::vector<NameCounts::Count> counts(6);
  const std::size_t files[] = {1, 3, 0, 2, 1, 5};
  for (std::size_t i = 0; i < counts.size(); ++i) counts[i].files = files[i];
  const CountsOrder order = OrderOfCounts(counts);
  EXPECT_EQ(order.several, (Files{1, 3, 5}));
  EXPECT_EQ(order.rest, (Files{0, 2, 4}));
}

std::vector<std::vector<std::string>> FileRecords(const std::string& file) {
  EXPECT_TRUE(file.starts_with(kUtf8ByteOrderMark));
  const auto records = testing::ReadCsv(std::string_view(file).substr(kUtf8ByteOrderMark.size()));
  EXPECT_TRUE(records.has_value());
  return records.value_or(testing::CsvRecords{});
}

// A name that found nothing shows its suggestions in the last column,
// after room for all the paths a name shows; a name found shows none.
TEST(NameCountsFile, shows_names_with_several_files_under_a_heading_then_the_rest) {
  const std::vector<core::Text> names{"one", "\xC3\xFB,\"x\"", "NONE", "many"};  // 名 in GBK
  NameCounts counts(names, MatchRule::kContains, NameEncoding::kGbk, kCountsPathsShown);
  for (const char* row : {"C:\\one", "C:\\a\\\xC3\xFB,\"x\"", "C:\\b\\\xC3\xFB,\"x\"", "C:\\many1", "C:\\many2",
                          "C:\\many3"}) {
    counts.AddRow(row, '\\');
  }
  const SuggestedPaths suggestions{{"none", {"C:\\nome.txt", "C:\\n,one"}}, {"one", {"C:\\on"}}};
  const auto records = FileRecords(NameCountsFile(names, counts.counts(), suggestions));
  using Record = std::vector<std::string>;
  Record columns{"名字", "找到的文件数", "文件路径(前10个)"};
  columns.resize(2 + kCountsPathsShown);
  columns.push_back("相似的文件(可能写错了名字)");
  Record none{"NONE", "0"};
  none.resize(2 + kCountsPathsShown);
  none.insert(none.end(), {"C:\\nome.txt", "C:\\n,one"});
  EXPECT_EQ(records, (testing::CsvRecords{columns,
                                          Record{"以下名字找到了多个文件："},
                                          Record{"名,\"x\"", "2", "C:\\a\\名,\"x\"", "C:\\b\\名,\"x\""},
                                          Record{"many", "3", "C:\\many1", "C:\\many2", "C:\\many3"},
                                          Record{"其余名字："},
                                          Record{"one", "1", "C:\\one"},
                                          none}));
}

TEST(NameCountsFile, has_no_headings_when_no_name_found_several_files) {
  const std::vector<core::Text> names{"a", "b"};
  NameCounts counts(names, MatchRule::kExactWhole, NameEncoding::kGbk, kCountsPathsShown);
  counts.AddRow("C:\\a", '\\');
  const auto records = FileRecords(NameCountsFile(names, counts.counts(), {}));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1], (std::vector<std::string>{"a", "1", "C:\\a"}));
  EXPECT_EQ(records[2], (std::vector<std::string>{"b", "0"}));
}

}  // namespace
}  // namespace vorlix::app
