#include "runtime/commands/settings_commands.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace vorlix::commands {
namespace {

class SettingsCommandsTest : public ::testing::Test {
 protected:
  vorlix::testing::TemporaryFolder folder_;
  std::string file_ = folder_.Path("config.ini");
};

TEST_F(SettingsCommandsTest, a_written_value_reads_back) {
  ASSERT_TRUE(WriteSettingsItem(file_, "zhuce", "k", "\xD5\xE6"));
  EXPECT_EQ(ReadSettingsItem(file_, "zhuce", "k"), "\xD5\xE6");
}

TEST_F(SettingsCommandsTest, a_missing_item_or_file_gives_the_default_without_trailing_spaces) {
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k", "1"), "1");
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k"), "");
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "other", "x"));
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k", " 1  "), " 1");
}

TEST_F(SettingsCommandsTest, leading_control_bytes_and_spaces_are_skipped_from_file_section_and_key) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "v"));
  EXPECT_EQ(ReadSettingsItem("\t \x01" + file_, "\x1F s", "\r\nk"), "v");
}

TEST_F(SettingsCommandsTest, a_name_of_only_blanks_gives_an_empty_text_and_ignores_the_default) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "v"));
  EXPECT_EQ(ReadSettingsItem(file_, "s", "   ", "d"), "");
  EXPECT_EQ(ReadSettingsItem(file_, " \t", "k", "d"), "");
  EXPECT_EQ(ReadSettingsItem("  ", "s", "k", "d"), "");
}

TEST_F(SettingsCommandsTest, a_long_value_comes_back_cut_to_10239_bytes) {
  std::string value(20000, 'x');
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", value));
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k"), std::string(kSettingsValueLimit, 'x'));
}

TEST_F(SettingsCommandsTest, the_cut_never_splits_a_double_byte_character) {
  std::string value = "x";
  while (value.size() < 12000) value += "\xD5\xE6";
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", value));
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k"), value.substr(0, kSettingsValueLimit));
  value.erase(0, 1);
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", value));
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k"), value.substr(0, kSettingsValueLimit - 1));
}

TEST_F(SettingsCommandsTest, an_absent_value_removes_the_key_and_an_absent_key_the_section) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "a", "1"));
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "b", "2"));
  ASSERT_TRUE(WriteSettingsItem(file_, "t", "c", "3"));
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "a", std::nullopt));
  EXPECT_EQ(folder_.Read("config.ini"), "[s]\r\nb=2\r\n[t]\r\nc=3\r\n");
  ASSERT_TRUE(WriteSettingsItem(file_, "s", std::nullopt, std::nullopt));
  EXPECT_EQ(folder_.Read("config.ini"), "[t]\r\nc=3\r\n");
}

TEST_F(SettingsCommandsTest, an_empty_value_is_written_and_reads_as_empty_not_as_the_default) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", ""));
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k", "d"), "");
}

TEST_F(SettingsCommandsTest, removing_from_a_missing_file_succeeds_without_creating_it) {
  EXPECT_TRUE(WriteSettingsItem(file_, "s", "k", std::nullopt));
  EXPECT_TRUE(WriteSettingsItem(file_, "s", std::nullopt, std::nullopt));
  EXPECT_FALSE(folder_.Exists("config.ini"));
}

TEST_F(SettingsCommandsTest, other_lines_survive_a_write_byte_for_byte) {
  folder_.Write("config.ini", "; made by hand\n[s]\nk = 1 ; not a comment\n\nodd line\n[t]\nx=\"q\"\n");
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "2"));
  EXPECT_EQ(folder_.Read("config.ini"), "; made by hand\n[s]\nk = 2\n\nodd line\n[t]\nx=\"q\"\n");
}

TEST_F(SettingsCommandsTest, a_write_into_a_missing_folder_fails) {
  EXPECT_FALSE(WriteSettingsItem(folder_.Path("none/config.ini"), "s", "k", "v"));
}

TEST_F(SettingsCommandsTest, a_write_leaves_no_file_beside_the_settings_file) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "v"));
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "w"));
  std::size_t files = 0;
  for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder_.Path(""))) ++files;
  EXPECT_EQ(files, 1u);
}

TEST_F(SettingsCommandsTest, an_item_the_layout_cannot_hold_is_refused_and_the_file_kept) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "v"));
  EXPECT_FALSE(WriteSettingsItem(file_, "s", "k", "a\r\n[x]\r\ny=1"));
  EXPECT_FALSE(WriteSettingsItem(file_, "", "k", "v"));
  EXPECT_FALSE(WriteSettingsItem(file_, "s", "", "v"));
  EXPECT_FALSE(WriteSettingsItem("", "s", "k", "v"));
  EXPECT_EQ(folder_.Read("config.ini"), "[s]\r\nk=v\r\n");
}

TEST_F(SettingsCommandsTest, a_utf8_file_with_a_mark_is_read_and_stays_utf8) {
  folder_.Write("config.ini", "\xEF\xBB\xBF[s]\r\nk=\xE7\x9C\x9F\r\n");  // k = "true" in UTF-8
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k"), "\xD5\xE6");
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "\xBC\xD9"));        // "false" in GBK
  EXPECT_EQ(folder_.Read("config.ini"), "\xEF\xBB\xBF[s]\r\nk=\xE5\x81\x87\r\n");
}

TEST_F(SettingsCommandsTest, a_file_holding_only_a_utf8_mark_has_no_items_and_stays_utf8) {
  folder_.Write("config.ini", "\xEF\xBB\xBF");
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k", "d"), "d");
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "\xD5\xE6"));
  EXPECT_EQ(folder_.Read("config.ini"), "\xEF\xBB\xBF[s]\r\nk=\xE7\x9C\x9F\r\n");
}

TEST_F(SettingsCommandsTest, a_quoted_empty_value_reads_as_empty_not_as_the_default) {
  folder_.Write("config.ini", "[s]\r\nk=\"\"\r\n");
  EXPECT_EQ(ReadSettingsItem(file_, "s", "k", "d"), "");
}

TEST_F(SettingsCommandsTest, a_whole_item_comes_back_past_the_buffer_and_a_missing_one_as_none) {
  std::string value(20000, 'x');
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", value));
  EXPECT_EQ(ReadWholeSettingsItem(file_, "s", "k"), value);
  EXPECT_EQ(ReadWholeSettingsItem(file_, "s", "j"), std::nullopt);
  EXPECT_EQ(ReadWholeSettingsItem(file_, "\x01s", " k"), value) << "names are taken as ReadSettingsItem takes them";
}

TEST_F(SettingsCommandsTest, several_items_are_written_in_one_replacement_or_not_at_all) {
  folder_.Write("config.ini", "; kept\r\n[s]\r\na=old\r\n");
  const SettingsItem items[] = {{"a", "1"}, {"b", "2"}};
  ASSERT_TRUE(WriteSettingsItems(file_, "s", items));
  EXPECT_EQ(folder_.Read("config.ini"), "; kept\r\n[s]\r\na=1\r\nb=2\r\n");
  const SettingsItem refused[] = {{"a", "3"}, {"b", "line\r\nbreak"}};
  EXPECT_FALSE(WriteSettingsItems(file_, "s", refused));
  EXPECT_EQ(folder_.Read("config.ini"), "; kept\r\n[s]\r\na=1\r\nb=2\r\n") << "the first item is not written alone";
}

}  // namespace
}  // namespace vorlix::commands
