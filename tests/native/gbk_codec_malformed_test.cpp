// Bytes that form no character, and UTF-16 that is no text.
#include "platform/gbk_codec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace vorlix::platform {
namespace {

// Decodes from a heap block of exactly the text's size, so that a read past
// its end is caught by AddressSanitizer; and again into a buffer of the
// promised room, one unit a byte, where a write past it is caught too.
std::u16string DecodeExactly(std::string_view gbk) {
  auto block = std::make_unique<char[]>(gbk.size());
  std::memcpy(block.get(), gbk.data(), gbk.size());
  const std::string_view exact(block.get(), gbk.size());
  auto room = std::make_unique<char16_t[]>(gbk.size());
  const std::u16string into(room.get(), GbkToUtf16Into(exact, room.get()));
  const std::u16string decoded = GbkToUtf16(exact);
  EXPECT_EQ(into, decoded) << "decoded into a buffer";
  return decoded;
}

TEST(GbkCodecMalformed, empty_text_stays_empty) {
  EXPECT_EQ(GbkToUtf16(""), u"");
  EXPECT_EQ(Utf16ToGbk(u""), "");
}

TEST(GbkCodecMalformed, dangling_lead_byte_at_the_end_is_one_replacement) {
  EXPECT_EQ(DecodeExactly("\x81"), u"\uFFFD");
  EXPECT_EQ(DecodeExactly("a\xD6"), u"a\uFFFD");
  EXPECT_EQ(DecodeExactly("\xD6\xD0\xD6"), u"\u4E2D\uFFFD") << "a whole character, then a dangling lead";
}

TEST(GbkCodecMalformed, text_ends_where_its_view_ends_even_before_a_valid_trail_byte) {
  std::string_view whole = "\xD6\xD0";  // one character, cut after its lead byte
  EXPECT_EQ(GbkToUtf16(whole.substr(0, 1)), u"\uFFFD");
}

TEST(GbkCodecMalformed, lead_byte_before_a_byte_that_cannot_follow_it_keeps_that_byte) {
  EXPECT_EQ(DecodeExactly("\x81 x"), u"\uFFFD x");
  EXPECT_EQ(DecodeExactly("\x81\x7F"), u"\uFFFD\x7F");
  EXPECT_EQ(DecodeExactly(std::string_view("\x81\0", 2)), std::u16string(u"\uFFFD\0", 2));
  EXPECT_EQ(DecodeExactly("\xD6\xFF"), u"\uFFFD\uFFFD");
}

TEST(GbkCodecMalformed, four_byte_sequence_cut_off_by_the_end_is_one_replacement) {
  EXPECT_EQ(DecodeExactly("\x81\x30"), u"\uFFFD");
  EXPECT_EQ(DecodeExactly("x\x81\x30\x81"), u"x\uFFFD");
}

TEST(GbkCodecMalformed, broken_four_byte_sequence_keeps_the_bytes_after_its_lead) {
  EXPECT_EQ(DecodeExactly("\x81\x30 "), u"\uFFFD0 ");
  EXPECT_EQ(DecodeExactly("\x81\x30\x81 "), u"\uFFFD0\uFFFD ");
  EXPECT_EQ(DecodeExactly("\x81\x30\x81\x30"), u"\u0080") << "the same bytes, whole";
}

TEST(GbkCodecMalformed, unassigned_four_byte_codes_are_one_replacement_each) {
  EXPECT_EQ(DecodeExactly("\x84\x31\xA5\x30"), u"\uFFFD") << "just after the basic plane's area";
  EXPECT_EQ(DecodeExactly("\x8F\x39\xFE\x39"), u"\uFFFD") << "just before U+10000";
  EXPECT_EQ(DecodeExactly("\xE3\x32\x9A\x35"), u"\U0010FFFF");
  EXPECT_EQ(DecodeExactly("\xE3\x32\x9A\x36z"), u"\uFFFDz") << "beyond U+10FFFF";
}

TEST(GbkCodecMalformed, byte_FF_is_no_character) {
  EXPECT_EQ(DecodeExactly("a\xFF" "b"), u"a\uFFFDb");
}

TEST(GbkCodecMalformed, unpaired_surrogates_become_question_marks) {
  EXPECT_EQ(Utf16ToGbk(u"a\xD83D"), "a?") << "high surrogate at the end";
  EXPECT_EQ(Utf16ToGbk(u"\xD83D" u"b"), "?b") << "high surrogate before a letter";
  EXPECT_EQ(Utf16ToGbk(u"\xDE00"), "?") << "low surrogate alone";
  EXPECT_EQ(Utf16ToGbk(u"\xDE00\xD83D"), "??") << "pair in the wrong order";
  EXPECT_EQ(Utf16ToGbk(u"\xD83D\xD83D\xDE00"), "?\x94\x39\xFC\x36") << "second high surrogate pairs with the low";
}

}  // namespace
}  // namespace vorlix::platform
