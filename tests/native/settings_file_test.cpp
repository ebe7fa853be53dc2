#include "runtime/commands/settings_file.h"

#include <gtest/gtest.h>

namespace vorlix::commands::settings {
namespace {

// GBK bytes: two Chinese characters, and full-width and Greek letters in both cases.
constexpr std::string_view kZhuce = "\xD7\xA2\xB2\xE1";      // a section name
constexpr std::string_view kFullWidthA = "\xA3\xC1";         // full-width A
constexpr std::string_view kFullWidthSmallA = "\xA3\xE1";    // full-width a
constexpr std::string_view kGreekAlpha = "\xA6\xA1";         // capital alpha
constexpr std::string_view kGreekSmallAlpha = "\xA6\xC1";    // small alpha

TEST(SettingsFileReading, finds_the_value_of_a_key_in_its_section) {
  EXPECT_EQ(FindValue("[a]\r\nk=1\r\n[b]\r\nk=2\r\n", "b", "k"), "2");
}

TEST(SettingsFileReading, names_match_without_regard_to_ascii_case_or_surrounding_blanks) {
  EXPECT_EQ(FindValue("[ZhuCe]\r\nKey=1\r\n", " zhuce\t", "KEY "), "1");
  EXPECT_EQ(FindValue("[ ab ]\r\n  key  =  v  \r\n", "ab", "key"), "v");
}

TEST(SettingsFileReading, double_byte_letters_in_another_case_are_other_names) {
  std::string content = "[" + std::string(kFullWidthA) + "]\r\n" + std::string(kGreekAlpha) + "=1\r\n";
  EXPECT_EQ(FindValue(content, kFullWidthSmallA, kGreekAlpha), std::nullopt);
  EXPECT_EQ(FindValue(content, kFullWidthA, kGreekSmallAlpha), std::nullopt);
  EXPECT_EQ(FindValue(content, kFullWidthA, kGreekAlpha), "1");
}

TEST(SettingsFileReading, second_bytes_that_look_like_letters_are_not_folded) {
  // 0x81 0x41 and 0x81 0x61 are two different characters.
  EXPECT_EQ(FindValue("[s]\r\n\x81\x41=1\r\n", "s", "\x81\x61"), std::nullopt);
}

TEST(SettingsFileReading, a_closing_bracket_inside_a_character_does_not_end_the_section_name) {
  EXPECT_EQ(FindValue("[\x81\x5D]\r\nk=1\r\n", "\x81\x5D", "k"), "1");
}

TEST(SettingsFileReading, chinese_section_key_and_value_are_read_as_bytes) {
  std::string content = "[" + std::string(kZhuce) + "]\r\n\xBE\xAB\xC8\xB7=\xD5\xE6\r\n";
  EXPECT_EQ(FindValue(content, kZhuce, "\xBE\xAB\xC8\xB7"), "\xD5\xE6");
}

TEST(SettingsFileReading, one_pair_of_enclosing_quotes_is_removed) {
  EXPECT_EQ(FindValue("[s]\r\nk=\" v \"\r\n", "s", "k"), " v ");
  EXPECT_EQ(FindValue("[s]\r\nk='v'\r\n", "s", "k"), "v");
  EXPECT_EQ(FindValue("[s]\r\nk=\"v'\r\n", "s", "k"), "\"v'");
  EXPECT_EQ(FindValue("[s]\r\nk=\"\r\n", "s", "k"), "\"");
}

TEST(SettingsFileReading, a_key_without_equals_sign_or_a_missing_key_reads_as_missing) {
  EXPECT_EQ(FindValue("[s]\r\nk\r\n", "s", "k"), std::nullopt);
  EXPECT_EQ(FindValue("[s]\r\nj=1\r\n", "s", "k"), std::nullopt);
  EXPECT_EQ(FindValue("", "s", "k"), std::nullopt);
}

TEST(SettingsFileReading, an_empty_value_is_found_as_empty) { EXPECT_EQ(FindValue("[s]\r\nk=\r\n", "s", "k"), ""); }

TEST(SettingsFileReading, only_the_first_section_of_a_name_and_first_entry_of_a_key_count) {
  EXPECT_EQ(FindValue("[s]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\n", "s", "k"), "1");
  EXPECT_EQ(FindValue("[s]\r\nj=1\r\n[s]\r\nk=3\r\n", "s", "k"), std::nullopt);
}

TEST(SettingsFileReading, comments_and_lines_before_any_section_never_match) {
  EXPECT_EQ(FindValue("k=0\r\n[s]\r\n;k=1\r\n", "s", "k"), std::nullopt);
  EXPECT_EQ(FindValue("k=0\r\n", "", "k"), std::nullopt);
}

TEST(SettingsFileReading, the_value_holds_everything_after_the_first_equals_sign) {
  EXPECT_EQ(FindValue("[s]\r\nk=a=b\r\n", "s", "k"), "a=b");
}

TEST(SettingsFileReading, lf_and_cr_line_breaks_and_a_missing_last_break_are_understood) {
  EXPECT_EQ(FindValue("[s]\nk=1\n", "s", "k"), "1");
  EXPECT_EQ(FindValue("[s]\rk=1", "s", "k"), "1");
}

TEST(SettingsFileReading, a_bracket_line_without_closing_bracket_is_an_entry) {
  EXPECT_EQ(FindValue("[s]\r\n[x=1\r\nk=2\r\n", "s", "k"), "2");
}

TEST(SettingsFileReading, a_key_is_never_found_by_a_prefix_of_its_name) {
  for (std::string_view content : {"[s]\r\nkey=1\r\nk=2\r\n", "[s]\r\nk=2\r\nkey=1\r\n"}) {
    EXPECT_EQ(FindValue(content, "s", "k"), "2") << content;
    EXPECT_EQ(FindValue(content, "s", "key"), "1") << content;
    EXPECT_EQ(FindValue(content, "s", "ke"), std::nullopt) << content;
  }
}

TEST(SettingsFileReading, a_pair_of_quotes_alone_is_an_empty_value) {
  EXPECT_EQ(FindValue("[s]\r\nk=\"\"\r\n", "s", "k"), "");
  EXPECT_EQ(FindValue("[s]\r\nk=''\r\n", "s", "k"), "");
}

TEST(SettingsFileReading, a_section_name_may_hold_a_closing_bracket) {
  const std::string_view content = "[a]b]\r\nk=1\r\n[a]\r\nk=2\r\n";
  EXPECT_EQ(FindValue(content, "a]b", "k"), "1");
  EXPECT_EQ(FindValue(content, "a", "k"), "2");
}

TEST(SettingsFileWriting, an_empty_file_gets_the_section_and_the_entry) {
  EXPECT_EQ(SetValue("", "s", "k", "v"), "[s]\r\nk=v\r\n");
}

TEST(SettingsFileWriting, a_new_section_goes_to_the_end_keeping_everything_before_it) {
  EXPECT_EQ(SetValue("; note\r\n[a]\r\nx = 1\r\n", "b", "k", "v"), "; note\r\n[a]\r\nx = 1\r\n[b]\r\nk=v\r\n");
}

TEST(SettingsFileWriting, a_file_without_last_line_break_is_continued_on_a_new_line) {
  EXPECT_EQ(SetValue("[a]\r\nx=1", "b", "k", "v"), "[a]\r\nx=1\r\n[b]\r\nk=v");
  EXPECT_EQ(SetValue("[a]\r\nx=1", "a", "k", "v"), "[a]\r\nx=1\r\nk=v");
}

TEST(SettingsFileWriting, an_lf_file_gets_lf_line_breaks) {
  EXPECT_EQ(SetValue("[a]\nx=1\n", "a", "k", "v"), "[a]\nx=1\nk=v\n");
}

TEST(SettingsFileWriting, a_new_key_follows_the_last_entry_of_its_section) {
  std::string content = "[a]\r\nx=1\r\n\r\n; about b\r\n[b]\r\ny=2\r\n";
  EXPECT_EQ(SetValue(content, "a", "k", "v"), "[a]\r\nx=1\r\nk=v\r\n\r\n; about b\r\n[b]\r\ny=2\r\n");
  EXPECT_EQ(SetValue("[a]\r\n[b]\r\n", "a", "k", "v"), "[a]\r\nk=v\r\n[b]\r\n");
}

TEST(SettingsFileWriting, an_existing_value_is_replaced_in_its_line_keeping_the_layout) {
  std::string content = "[a]\r\n  Key = old  \r\n; keep\r\nother=1\r\n";
  EXPECT_EQ(SetValue(content, "A", "key", "new"), "[a]\r\n  Key = new\r\n; keep\r\nother=1\r\n");
}

TEST(SettingsFileWriting, only_the_first_section_of_a_name_is_written) {
  EXPECT_EQ(SetValue("[s]\r\nk=1\r\n[s]\r\nk=3\r\n", "s", "k", "2"), "[s]\r\nk=2\r\n[s]\r\nk=3\r\n");
}

TEST(SettingsFileWriting, a_key_line_without_equals_sign_gets_the_value) {
  EXPECT_EQ(SetValue("[s]\r\nk\r\n", "s", "k", "v"), "[s]\r\nk=v\r\n");
}

TEST(SettingsFileWriting, an_empty_value_is_written_as_such) { EXPECT_EQ(SetValue("", "s", "k", ""), "[s]\r\nk=\r\n"); }

TEST(SettingsFileWriting, names_are_written_without_surrounding_blanks) {
  EXPECT_EQ(SetValue("", " s ", "\tk ", "v"), "[s]\r\nk=v\r\n");
}

TEST(SettingsFileWriting, values_the_reader_would_change_are_quoted_and_read_back_unchanged) {
  for (std::string_view value : {" v", "v\t", "\"v\"", "'v'", "\"", "a\"b"}) {
    std::optional<std::string> content = SetValue("", "s", "k", value);
    ASSERT_TRUE(content) << value;
    EXPECT_EQ(FindValue(*content, "s", "k"), value) << *content;
  }
  EXPECT_EQ(SetValue("", "s", "k", " v"), "[s]\r\nk=\" v\"\r\n");
}

TEST(SettingsFileWriting, a_key_beside_one_it_is_a_prefix_of_changes_alone) {
  EXPECT_EQ(SetValue("[s]\r\nkey=1\r\n", "s", "k", "2"), "[s]\r\nkey=1\r\nk=2\r\n");
  EXPECT_EQ(SetValue("[s]\r\nkey=1\r\nk=2\r\n", "s", "k", "3"), "[s]\r\nkey=1\r\nk=3\r\n");
  EXPECT_EQ(RemoveKey("[s]\r\nkey=1\r\nk=2\r\n", "s", "k"), "[s]\r\nkey=1\r\n");
}

TEST(SettingsFileWriting, a_value_of_two_quotes_is_kept_apart_from_the_empty_value) {
  for (std::string_view value : {"\"\"", "''", ""}) {
    std::optional<std::string> content = SetValue("", "s", "k", value);
    ASSERT_TRUE(content) << value;
    EXPECT_EQ(FindValue(*content, "s", "k"), value) << *content;
  }
}

TEST(SettingsFileWriting, a_section_named_with_a_closing_bracket_is_written_and_found) {
  std::optional<std::string> content = SetValue("[a]\r\nk=1\r\n", "a]b", "k", "2");
  EXPECT_EQ(content, "[a]\r\nk=1\r\n[a]b]\r\nk=2\r\n");
  EXPECT_EQ(SetValue(*content, "a]b", "k", "3"), "[a]\r\nk=1\r\n[a]b]\r\nk=3\r\n");
}

TEST(SettingsFileWriting, items_the_layout_cannot_hold_are_refused) {
  EXPECT_EQ(SetValue("", "s", "k", "a\r\n[x]"), std::nullopt);
  EXPECT_EQ(SetValue("", "s", "a\nb", "v"), std::nullopt);
  EXPECT_EQ(SetValue("", "s\rt", "k", "v"), std::nullopt);
  EXPECT_EQ(SetValue("", "s", "a=b", "v"), std::nullopt);
  EXPECT_EQ(SetValue("", "s", "[k]", "v"), std::nullopt);
  EXPECT_EQ(SetValue("", "s", ";k", "v"), std::nullopt);
  EXPECT_EQ(SetValue("", " ", "k", "v"), std::nullopt);
  EXPECT_EQ(SetValue("", "s", " ", "v"), std::nullopt);
}

TEST(SettingsFileRemoving, removing_a_key_leaves_every_other_line) {
  std::string content = "; top\r\n[s]\r\na=1\r\nK=2\r\n; mid\r\nb=3\r\n[t]\r\nk=4\r\n";
  EXPECT_EQ(RemoveKey(content, "s", "k"), "; top\r\n[s]\r\na=1\r\n; mid\r\nb=3\r\n[t]\r\nk=4\r\n");
}

TEST(SettingsFileRemoving, removing_a_key_removes_it_from_every_section_of_the_name) {
  EXPECT_EQ(RemoveKey("[s]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\n", "s", "k"), "[s]\r\n[s]\r\n");
}

TEST(SettingsFileRemoving, removing_a_section_keeps_the_comments_that_follow_its_last_entry) {
  std::string content = "[a]\r\nx=1\r\n\r\n[s]\r\n; in s\r\nk=1\r\nj\r\n\r\n; about t\r\n[t]\r\ny=2\r\n";
  EXPECT_EQ(RemoveSection(content, "S"), "[a]\r\nx=1\r\n\r\n\r\n; about t\r\n[t]\r\ny=2\r\n");
}

TEST(SettingsFileRemoving, removing_a_section_removes_every_section_of_the_name) {
  EXPECT_EQ(RemoveSection("[s]\r\nk=1\r\n[t]\r\nk=2\r\n[s]\r\nk=3\r\n", "s"), "[t]\r\nk=2\r\n");
}

TEST(SettingsFileRemoving, removing_what_is_not_there_changes_nothing) {
  std::string content = "[s]\r\nk=1\r\n";
  EXPECT_EQ(RemoveKey(content, "s", "j"), content);
  EXPECT_EQ(RemoveKey(content, "t", "k"), content);
  EXPECT_EQ(RemoveSection(content, "t"), content);
}

}  // namespace
}  // namespace vorlix::commands::settings
