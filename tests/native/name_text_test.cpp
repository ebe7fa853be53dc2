#include "app/search/names/name_text.h"

#include <gtest/gtest.h>

namespace vorlix::app {
namespace {

TEST(LoweredName, lowers_only_ascii_letters_that_stand_alone) {
  LoweredName name;
  name.Assign("AB\x81\x41" "C.TXT", NameEncoding::kGbk);
  EXPECT_EQ(name.text(), "ab\x81\x41" "c.txt");
  name.Assign("AB\xC3\x89" "C", NameEncoding::kUtf8);
  EXPECT_EQ(name.text(), "ab\xC3\x89" "c");
}

TEST(LoweredName, knows_where_characters_start) {
  LoweredName name;
  name.Assign("a\x81\x41" "b", NameEncoding::kGbk);
  EXPECT_TRUE(name.StartsCharacter(1));
  EXPECT_FALSE(name.StartsCharacter(2));
  EXPECT_TRUE(name.StartsCharacter(3));
  name.Assign("a\xE4\xB8\xAD", NameEncoding::kUtf8);
  EXPECT_TRUE(name.StartsCharacter(1));
  EXPECT_FALSE(name.StartsCharacter(2));
  EXPECT_FALSE(name.StartsCharacter(3));
}

TEST(LoweredName, drops_only_the_last_extension) {
  LoweredName name;
  for (const auto& [text, expected] : std::vector<std::pair<std::string, std::string>>{
           {"Archive.Tar.GZ", "archive.tar"}, {"report", ""}, {".bashrc", ""}, {"a.", "a"}, {"..x", "."}}) {
    name.Assign(text, NameEncoding::kGbk);
    EXPECT_EQ(name.WithoutLastExtension(), expected) << text;
  }
  // A byte that follows a lead byte is no dot, even when it looks like one.
  name.Assign("a.b\x81.", NameEncoding::kGbk);
  EXPECT_EQ(name.WithoutLastExtension(), "a");
}

TEST(LastComponent, is_the_text_after_the_last_separator) {
  EXPECT_EQ(LastComponent("D:\\Data\\Photos", '\\', NameEncoding::kGbk), "Photos");
  EXPECT_EQ(LastComponent("C:", '\\', NameEncoding::kGbk), "C:");
  EXPECT_EQ(LastComponent("D:\\Photos\\", '\\', NameEncoding::kGbk), "");
  EXPECT_EQ(LastComponent("/home/a", '/', NameEncoding::kUtf8), "a");
}

TEST(LastComponent, a_trail_byte_equal_to_the_backslash_is_no_separator) {
  EXPECT_EQ(LastComponent("D:\\x\x95\x5C" "y", '\\', NameEncoding::kGbk), "x\x95\x5C" "y");
  EXPECT_FALSE(EndsWithSeparator("D:\\x\x95\x5C", '\\', NameEncoding::kGbk));
  EXPECT_TRUE(EndsWithSeparator("D:\\x\x95\x5C\\", '\\', NameEncoding::kGbk));
  EXPECT_FALSE(EndsWithSeparator("", '\\', NameEncoding::kGbk));
}

}  // namespace
}  // namespace vorlix::app
