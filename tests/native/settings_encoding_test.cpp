#include "runtime/commands/settings_encoding.h"

#include <gtest/gtest.h>

namespace vorlix::commands::settings {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// "[注册]\r\n真=是" in GBK, UTF-8 and UTF-16 (little and big endian).
const std::string kGbk = "[\xD7\xA2\xB2\xE1]\r\n\xD5\xE6=\xCA\xC7";
const std::string kUtf8 = "\xEF\xBB\xBF[\xE6\xB3\xA8\xE5\x86\x8C]\r\n\xE7\x9C\x9F=\xE6\x98\xAF";
const std::string kUtf16Le = std::string("\xFF\xFE[\x00\xE8\x6C\x8C\x51]\x00\r\x00\n\x00\x1F\x77=\x00\x2F\x66", 20);
const std::string kUtf16Be = std::string("\xFE\xFF\x00[\x6C\xE8\x51\x8C\x00]\x00\r\x00\n\x77\x1F\x00=\x66\x2F", 20);

TEST(SettingsEncoding, a_file_without_byte_order_mark_is_gbk_as_it_is) {
  DecodedFile decoded = DecodeFile(Bytes(kGbk));
  EXPECT_EQ(decoded.encoding, FileEncoding::kGbk);
  EXPECT_EQ(decoded.text, kGbk);
  EXPECT_EQ(EncodeFile(kGbk, FileEncoding::kGbk), kGbk);
}

TEST(SettingsEncoding, utf8_and_utf16_files_with_a_mark_read_as_gbk_and_write_back_alike) {
  for (auto [bytes, encoding] : {std::pair{kUtf8, FileEncoding::kUtf8},
                                 std::pair{kUtf16Le, FileEncoding::kUtf16LittleEndian},
                                 std::pair{kUtf16Be, FileEncoding::kUtf16BigEndian}}) {
    DecodedFile decoded = DecodeFile(Bytes(bytes));
    EXPECT_EQ(decoded.encoding, encoding);
    EXPECT_EQ(decoded.text, kGbk);
    EXPECT_EQ(EncodeFile(decoded.text, encoding), bytes);
  }
}

TEST(SettingsEncoding, characters_outside_gbk_survive_the_round_trip) {
  std::string utf8 = "\xEF\xBB\xBFk=\xC3\xA9\xF0\x9F\x98\x80";  // e-acute and an emoji
  DecodedFile decoded = DecodeFile(Bytes(utf8));
  EXPECT_EQ(EncodeFile(decoded.text, decoded.encoding), utf8);
}

TEST(SettingsEncoding, malformed_utf8_becomes_replacement_characters_not_a_failure) {
  // A stray continuation byte, an overlong slash and an encoded surrogate.
  std::string utf8 = "\xEF\xBB\xBF" "a\x80" "b\xC0\xAF" "c\xED\xA0\x80";
  DecodedFile decoded = DecodeFile(Bytes(utf8));
  std::string back = EncodeFile(decoded.text, decoded.encoding);
  EXPECT_EQ(back.substr(3, 1), "a");
  EXPECT_EQ(back.find('b'), 7u) << "one replacement for the stray byte";
  EXPECT_EQ(back.size(), 3 + 1 + 3 + 1 + 2 * 3 + 1 + 3 * 3u) << back;
}

}  // namespace
}  // namespace vorlix::commands::settings
