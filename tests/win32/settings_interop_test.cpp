#include <gtest/gtest.h>

#include <string>

#include "runtime/commands/settings_commands.h"
#include "temporary_folder.h"

// The platform's own private-profile functions and ours must each read what
// the other wrote. The test prefix's ANSI code page is 936, so the A
// functions take the GBK bytes as they are.
namespace vorlix::commands {
namespace {

constexpr const char* kSection = "\xD7\xA2\xB2\xE1";             // a Chinese section name
constexpr const char* kKey = "\xC8\xAB\xC5\xCC\xCB\xD1\xCB\xF7";  // a Chinese key
constexpr const char* kTrue = "\xD5\xE6";                         // "true"
constexpr const char* kFalse = "\xBC\xD9";                        // "false"

class SettingsInteropTest : public ::testing::Test {
 protected:
  // The platform keeps a file it has read in a cache and would not see our
  // later writes; this forgets it.
  void ForgetPlatformCache() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_.c_str()); }

  std::string PlatformRead(const char* section, const char* key, const char* fallback = "<default>") {
    ForgetPlatformCache();
    char buffer[20000];
    GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, file_.c_str());
    return buffer;
  }

  void PlatformWrite(const char* section, const char* key, const char* value) {
    ASSERT_TRUE(WritePrivateProfileStringA(section, key, value, file_.c_str()));
    ForgetPlatformCache();
  }

  vorlix::testing::TemporaryFolder folder_;
  std::string file_ = folder_.Path("config.ini");
};

TEST_F(SettingsInteropTest, the_platform_reads_what_we_wrote) {
  ASSERT_TRUE(WriteSettingsItem(file_, kSection, kKey, kTrue));
  ASSERT_TRUE(WriteSettingsItem(file_, kSection, "plain", "value"));
  ASSERT_TRUE(WriteSettingsItem(file_, "other", kKey, kFalse));
  EXPECT_EQ(PlatformRead(kSection, kKey), kTrue);
  EXPECT_EQ(PlatformRead(kSection, "PLAIN"), "value");
  EXPECT_EQ(PlatformRead("OTHER", kKey), kFalse);
}

TEST_F(SettingsInteropTest, we_read_what_the_platform_wrote) {
  PlatformWrite(kSection, kKey, kTrue);
  PlatformWrite(kSection, "plain", "value");
  PlatformWrite("other", kKey, kFalse);
  EXPECT_EQ(ReadSettingsItem(file_, kSection, kKey), kTrue);
  EXPECT_EQ(ReadSettingsItem(file_, kSection, "Plain"), "value");
  EXPECT_EQ(ReadSettingsItem(file_, "Other", kKey), kFalse);
}

TEST_F(SettingsInteropTest, our_change_to_a_platform_file_keeps_its_other_items_readable) {
  PlatformWrite("a", "x", "1");
  PlatformWrite(kSection, kKey, kFalse);
  PlatformWrite(kSection, "y", "2");
  PlatformWrite("b", "z", "3");
  ASSERT_TRUE(WriteSettingsItem(file_, kSection, kKey, kTrue));
  ASSERT_TRUE(WriteSettingsItem(file_, kSection, "new", "4"));
  EXPECT_EQ(PlatformRead("a", "x"), "1");
  EXPECT_EQ(PlatformRead(kSection, kKey), kTrue);
  EXPECT_EQ(PlatformRead(kSection, "y"), "2");
  EXPECT_EQ(PlatformRead(kSection, "new"), "4");
  EXPECT_EQ(PlatformRead("b", "z"), "3");
}

TEST_F(SettingsInteropTest, the_platforms_change_to_our_file_keeps_our_other_items_readable) {
  ASSERT_TRUE(WriteSettingsItem(file_, "a", "x", "1"));
  ASSERT_TRUE(WriteSettingsItem(file_, kSection, kKey, kFalse));
  PlatformWrite(kSection, kKey, kTrue);
  PlatformWrite(kSection, "new", "4");
  EXPECT_EQ(ReadSettingsItem(file_, "a", "x"), "1");
  EXPECT_EQ(ReadSettingsItem(file_, kSection, kKey), kTrue);
  EXPECT_EQ(ReadSettingsItem(file_, kSection, "new"), "4");
}

TEST_F(SettingsInteropTest, only_ascii_letters_match_in_either_case_on_both_sides) {
  // Full-width capital A, Cyrillic capital De and their small forms.
  PlatformWrite("Sec", "\xA3\xC1", "1");
  EXPECT_EQ(ReadSettingsItem(file_, "sEC", "\xA3\xC1"), "1");
  EXPECT_EQ(ReadSettingsItem(file_, "sec", "\xA3\xE1", "d"), "d");
  ASSERT_TRUE(WriteSettingsItem(file_, "\xA7\xA5", "Key", "2"));
  EXPECT_EQ(PlatformRead("\xA7\xA5", "kEY"), "2");
  EXPECT_EQ(PlatformRead("\xA7\xD5", "key"), "<default>");
}

TEST_F(SettingsInteropTest, values_with_blanks_or_quotes_at_the_ends_survive_our_write) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "a", "  two spaces  "));
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "b", "\"quoted\""));
  EXPECT_EQ(PlatformRead("s", "a"), "  two spaces  ");
  EXPECT_EQ(PlatformRead("s", "b"), "\"quoted\"");
  EXPECT_EQ(ReadSettingsItem(file_, "s", "a"), "  two spaces  ");
}

TEST_F(SettingsInteropTest, a_utf16_file_is_read_and_written_in_its_own_encoding_on_both_sides) {
  folder_.Write("config.ini", std::string("\xFF\xFE[\0s\0]\0\r\0\n\0", 12));
  PlatformWrite(kSection, kKey, kTrue);
  EXPECT_EQ(ReadSettingsItem(file_, kSection, kKey), kTrue);
  ASSERT_TRUE(WriteSettingsItem(file_, kSection, "plain", kFalse));
  EXPECT_EQ(PlatformRead(kSection, "plain"), kFalse);
  EXPECT_EQ(folder_.Read("config.ini").substr(0, 2), "\xFF\xFE");
}

TEST_F(SettingsInteropTest, a_hand_written_file_reads_alike_on_both_sides) {
  folder_.Write("config.ini",
                "; comment\r\n[ s ]\r\n  k  =  v w  \r\nq='x'\r\nbare\r\n[s]\r\nlater=1\r\n[T]\nlf=2\n");
  for (const char* key : {"k", "q", "bare", "later", "missing"}) {
    EXPECT_EQ(ReadSettingsItem(file_, "s", key, "<default>"), PlatformRead("s", key)) << key;
  }
  EXPECT_EQ(ReadSettingsItem(file_, "t", "lf"), PlatformRead("t", "lf"));
}

TEST_F(SettingsInteropTest, removals_are_seen_by_the_platform) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "a", "1"));
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "b", "2"));
  ASSERT_TRUE(WriteSettingsItem(file_, "t", "c", "3"));
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "a", std::nullopt));
  EXPECT_EQ(PlatformRead("s", "a"), "<default>");
  EXPECT_EQ(PlatformRead("s", "b"), "2");
  ASSERT_TRUE(WriteSettingsItem(file_, "s", std::nullopt, std::nullopt));
  EXPECT_EQ(PlatformRead("s", "b"), "<default>");
  EXPECT_EQ(PlatformRead("t", "c"), "3");
}

TEST_F(SettingsInteropTest, platform_removals_are_seen_by_us) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "a", "1"));
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "b", "2"));
  PlatformWrite("s", "a", nullptr);
  EXPECT_EQ(ReadSettingsItem(file_, "s", "a", "d"), "d");
  EXPECT_EQ(ReadSettingsItem(file_, "s", "b", "d"), "2");
}

TEST_F(SettingsInteropTest, a_value_longer_than_the_buffer_comes_back_cut_to_10239_bytes) {
  std::string value(12000, 'v');
  PlatformWrite("s", "long", value.c_str());
  EXPECT_EQ(ReadSettingsItem(file_, "s", "long"), value.substr(0, kSettingsValueLimit));
}

TEST_F(SettingsInteropTest, a_file_held_without_sharing_is_neither_changed_nor_cut) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "old"));
  std::string before = folder_.Read("config.ini");
  {
    vorlix::testing::OpenedElsewhere holder(folder_.WidePath("config.ini"), GENERIC_READ, 0);
    ASSERT_TRUE(holder.IsOpen());
    EXPECT_FALSE(WriteSettingsItem(file_, "s", "k", "new"));
    EXPECT_EQ(ReadSettingsItem(file_, "s", "k", "d"), "d");
  }
  EXPECT_EQ(folder_.Read("config.ini"), before);
  EXPECT_EQ(folder_.EntryCount(), 1u) << "no new file is left beside it";
}

TEST_F(SettingsInteropTest, a_file_another_program_holds_open_keeps_its_content) {
  // Windows does not let a file that is open anywhere be replaced, even when
  // every sharing is allowed; the write fails rather than overwrite in place.
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "old"));
  {
    vorlix::testing::OpenedElsewhere reader(folder_.WidePath("config.ini"), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_FALSE(WriteSettingsItem(file_, "s", "k", "new"));
    EXPECT_EQ(ReadSettingsItem(file_, "s", "k"), "old");
  }
  EXPECT_EQ(folder_.EntryCount(), 1u) << "no new file is left beside it";
  EXPECT_TRUE(WriteSettingsItem(file_, "s", "k", "new"));
}

TEST_F(SettingsInteropTest, a_hidden_settings_file_stays_hidden_after_a_write) {
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "old"));
  folder_.SetAttributes("config.ini", FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(WriteSettingsItem(file_, "s", "k", "new"));
  EXPECT_TRUE(GetFileAttributesW(folder_.WidePath("config.ini").c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(SettingsInteropTest, a_relative_file_name_is_found_in_the_current_directory) {
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(platform::Wide(folder_.Path()).c_str());
  EXPECT_TRUE(WriteSettingsItem("relative.ini", "s", "k", "v"));
  EXPECT_EQ(ReadSettingsItem("relative.ini", "s", "k"), "v");
  SetCurrentDirectoryW(previous);
  EXPECT_EQ(folder_.Read("relative.ini"), "[s]\r\nk=v\r\n");
}

}  // namespace
}  // namespace vorlix::commands
