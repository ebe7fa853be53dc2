// The folder list as the values of gxbx.ini: the layout that earlier
// versions wrote, and paths with commas kept whole.
#include "app/settings/folder_list_values.h"

#include <gtest/gtest.h>

#include "runtime/commands/text_split.h"

namespace vorlix::app {
namespace {

using Rows = std::vector<core::Text>;
using Indices = std::vector<std::int32_t>;

TEST(FolderListValues, rows_without_commas_are_each_followed_by_a_comma) {
  const std::pair<Rows, core::Text> cases[] = {
      {{}, ""},
      {{"D:\\photos", "E:\\docs", "F:\\scans"}, "D:\\photos,E:\\docs,F:\\scans,"},
      {{"D:", ""}, "D:,,"},
      {{"D:\\a\"b"}, "D:\\a\"b,"},
  };
  for (const auto& [rows, saved] : cases) EXPECT_EQ(JoinFolderRows(rows), saved);
}

// Lists written before commas were quoted hold no piece that opens with a
// quote (no Windows path holds one): they split as plain comma lists.
TEST(FolderListValues, lists_of_earlier_versions_split_as_comma_lists) {
  for (std::string_view saved : {"", ",", "D:\\photos,E:\\docs,F:\\scans,", "a,,b,", "a,b", "D:\\a\"b,",
                                 "\"unclosed,x,", "\"a\"b,c,", "\xD5\xE6\\\x81\x5C,"}) {
    EXPECT_EQ(SplitFolderRows(saved), commands::SplitText(saved, ",")) << saved;
  }
}

TEST(FolderListValues, rows_with_commas_or_an_opening_quote_come_back_whole) {
  const Rows rows[] = {
      {"D:\\a,b", "E:\\docs"},
      {"D:\\a,b"},
      {",", "", ",,"},
      {"\"quoted\"", "D:\\x\"y,z\""},
      {"D:\\\xD5\xE6,\xC0\xB4", "D:\\\x81\x30\x89\x38,"},  // Chinese, and a four-byte GB18030 character
  };
  for (const Rows& list : rows) EXPECT_EQ(SplitFolderRows(JoinFolderRows(list)), list) << JoinFolderRows(list);
  EXPECT_EQ(JoinFolderRows(Rows{"D:\\a,b", "E:\\c"}), "\"D:\\a,b\",E:\\c,");
}

TEST(FolderListValues, checked_rows_are_joined_by_commas_and_none_is_minus_one) {
  EXPECT_EQ(JoinCheckedRows(Indices{0, 2}), "0,2");
  EXPECT_EQ(JoinCheckedRows(Indices{7}), "7");
  EXPECT_EQ(JoinCheckedRows(Indices{}), "-1");
}

TEST(FolderListValues, saved_indices_read_as_integers) {
  const std::pair<std::string_view, Indices> cases[] = {
      {"0,2", {0, 2}}, {"-1", {}}, {"", {}}, {"x", {0}}, {"3,", {3}}, {"1,,4", {1, 0, 4}}, {"9", {9}},
  };
  for (const auto& [saved, indices] : cases) EXPECT_EQ(SplitCheckedRows(saved), indices) << saved;
}

}  // namespace
}  // namespace vorlix::app
