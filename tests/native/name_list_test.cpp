#include "app/search/names/name_list.h"

#include <gtest/gtest.h>

namespace vorlix::app {
namespace {

using Lines = std::vector<core::Text>;

struct TidyCase {
  const char* what;
  core::Text box;
  core::Text tidied;
  Lines keywords;
};

TEST(TidyNameList, keeps_non_blank_lines_byte_for_byte_and_ends_each_with_cr_lf) {
  const core::Text fullwidth_space = "\xA1\xA1";
  const TidyCase cases[] = {
      {"blank and space-only lines go", "a.txt\r\n\r\n  \r\n", "a.txt\r\n", {"a.txt"}},
      {"a last line without a break gets one", "a\r\nb", "a\r\nb\r\n", {"a", "b"}},
      {"spaces around a name stay", " b.doc \r\n", " b.doc \r\n", {" b.doc "}},
      {"duplicates stay", "x\r\nx\r\n", "x\r\nx\r\n", {"x", "x"}},
      {"full-width spaces count as blank", fullwidth_space + " \r\nc", "c\r\n", {"c"}},
      {"a tab is not blank", "\t\r\n", "\t\r\n", {"\t"}},
      {"a lone LF stays inside its line", "a\nb\r\n", "a\nb\r\n", {"a\nb"}},
      {"only blank lines leave nothing", " \r\n\r\n", "", {}},
      {"Chinese names stay as typed", "\xCE\xC4\xBC\xFE.txt", "\xCE\xC4\xBC\xFE.txt\r\n", {"\xCE\xC4\xBC\xFE.txt"}},
  };
  for (const auto& c : cases) {
    const TidiedNames tidied = TidyNameList(c.box);
    EXPECT_EQ(tidied.box_content, c.tidied) << c.what;
    EXPECT_EQ(tidied.keywords, c.keywords) << c.what;
  }
}

}  // namespace
}  // namespace vorlix::app
