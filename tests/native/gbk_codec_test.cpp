// The codec against glibc's iconv over every Unicode scalar value and every
// GBK/GB18030 byte sequence. glibc's "CP936" is code page 936 without its
// private-use characters; its "GB18030" is the 2005 standard with 24
// private-use code points replaced by standard characters.
#include "platform/gbk_codec.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace vorlix::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// glibc's converter between one character (UTF-32) and its bytes.
class Iconv {
 public:
  explicit Iconv(const char* charset)
      : encoder_(iconv_open(charset, "UTF-32LE")), decoder_(iconv_open("UTF-32LE", charset)) {}
  ~Iconv() {
    iconv_close(encoder_);
    iconv_close(decoder_);
  }

  std::optional<std::string> Encode(char32_t code_point) {
    char in[4] = {char(code_point), char(code_point >> 8), char(code_point >> 16), char(code_point >> 24)};
    std::optional<std::string> out = Convert(encoder_, std::string_view(in, 4));
    return out && !out->empty() ? out : std::nullopt;
  }

  // The single character the bytes form, if they form exactly one.
  std::optional<char32_t> Decode(std::string_view bytes) {
    std::optional<std::string> out = Convert(decoder_, bytes);
    if (!out || out->size() != 4) return std::nullopt;
    auto byte = [&](int i) { return char32_t(static_cast<unsigned char>((*out)[i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
  }

 private:
  static std::optional<std::string> Convert(iconv_t handle, std::string_view in) {
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* in_next = const_cast<char*>(in.data());
    size_t in_left = in.size();
    char* out_next = out;
    size_t out_left = sizeof out;
    if (iconv(handle, &in_next, &in_left, &out_next, &out_left) == size_t(-1) || in_left != 0) return std::nullopt;
    return std::string(out, out_next);
  }

  iconv_t encoder_;
  iconv_t decoder_;
};

// Keeps the first few failures of a loop over a million cases.
class Failures {
 public:
  void Add(const std::string& what) {
    if (examples_.size() < 10) examples_.push_back(what);
    ++count_;
  }
  ::testing::AssertionResult None() const {
    if (count_ == 0) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << count_ << " failures, first:";
    for (const std::string& example : examples_) failure << "\n  " << example;
    return failure;
  }

 private:
  std::vector<std::string> examples_;
  long count_ = 0;
};

std::u16string Utf16Of(char32_t code_point) {
  if (code_point < 0x10000) return std::u16string(1, char16_t(code_point));
  code_point -= 0x10000;
  return {char16_t(0xD800 + (code_point >> 10)), char16_t(0xDC00 + (code_point & 0x3FF))};
}

// The code point of a decoded text of one character, U+FFFD otherwise.
char32_t SingleCodePoint(const std::u16string& utf16) {
  if (utf16.size() == 1) return utf16[0];
  if (utf16.size() == 2) return 0x10000 + ((utf16[0] - 0xD800) << 10) + (utf16[1] - 0xDC00);
  return kReplacement;
}

std::string Hex(std::string_view bytes) {
  std::string out;
  for (unsigned char byte : bytes) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    out += digits;
  }
  return out.empty() ? "(nothing)" : out;
}

std::string Name(char32_t code_point) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", unsigned(code_point));
  return name;
}

bool IsScalarValue(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

// Where GB18030 put standard characters into the two-byte area and code
// page 936 keeps its private-use code points: the euro sign's A2E3 (cp936
// has the euro at 0x80), the vertical forms, two Latin letters, the
// ideographic description characters and the radicals and ideographs of
// FE50..FEA0.
bool IsCp936PrivateUsePosition(std::string_view bytes) {
  if (bytes.size() != 2) return false;
  unsigned code = static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1]);
  return code == 0xA2E3 || (code >= 0xA6D9 && code <= 0xA6DF) || code == 0xA6EC || code == 0xA6ED ||
         code == 0xA6F3 || code == 0xA8BC || code == 0xA8BF || (code >= 0xA989 && code <= 0xA995) ||
         (code >= 0xFE50 && code <= 0xFEA0);
}

std::vector<std::string> TwoByteSequences() {
  std::vector<std::string> all;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail != 0x7F) all.push_back({char(lead), char(trail)});
    }
  }
  return all;
}

TEST(GbkCodecRoundTrip, every_scalar_value_comes_back) {
  Failures failures;
  std::u16string all;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (!IsScalarValue(c)) continue;
    std::u16string utf16 = Utf16Of(c);
    std::string gbk = Utf16ToGbk(utf16);
    if (GbkToUtf16(gbk) != utf16) failures.Add(Name(c) + " -> " + Hex(gbk));
    all += utf16;
  }
  EXPECT_TRUE(failures.None());
  EXPECT_TRUE(GbkToUtf16(Utf16ToGbk(all)) == all) << "all scalar values in one text";
}

TEST(GbkCodecEncoding, follows_cp936_wherever_cp936_has_the_character) {
  Iconv cp936("CP936");
  Failures failures;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (!IsScalarValue(c)) continue;
    std::optional<std::string> expected = cp936.Encode(c);
    std::string ours = Utf16ToGbk(Utf16Of(c));
    if (expected && ours != *expected) failures.Add(Name(c) + ": " + Hex(ours) + ", cp936 " + Hex(*expected));
  }
  EXPECT_TRUE(failures.None());
}

TEST(GbkCodecEncoding, follows_gb18030_for_every_other_character) {
  Iconv cp936("CP936");
  Iconv gb18030("GB18030");
  Failures failures;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (!IsScalarValue(c) || cp936.Encode(c)) continue;
    std::string ours = Utf16ToGbk(Utf16Of(c));
    std::optional<std::string> expected = gb18030.Encode(c);
    // Both sides of cp936's own two-byte positions are checked below.
    if (IsCp936PrivateUsePosition(ours) || (expected && IsCp936PrivateUsePosition(*expected))) continue;
    if (ours != expected.value_or("")) failures.Add(Name(c) + ": " + Hex(ours) + ", gb18030 " + Hex(expected.value_or("")));
  }
  EXPECT_TRUE(failures.None());
}

TEST(GbkCodecEncoding, euro_sign_is_cp936s_single_byte_0x80_not_gb18030s_A2E3) {
  EXPECT_EQ(Utf16ToGbk(u"\u20AC"), "\x80");
  EXPECT_EQ(GbkToUtf16("\x80"), u"\u20AC");
  EXPECT_EQ(Iconv("GB18030").Encode(0x20AC), "\xA2\xE3");
  EXPECT_EQ(GbkToUtf16("\xA2\xE3"), u"\uE76C") << "cp936 keeps its private-use code point there";
}

TEST(GbkCodecEncoding, standard_characters_at_cp936s_private_use_positions_travel_as_four_bytes) {
  Iconv gb18030("GB18030");
  Failures failures;
  int positions = 0;
  for (const std::string& position : TwoByteSequences()) {
    if (!IsCp936PrivateUsePosition(position)) continue;
    ++positions;
    char32_t kept = SingleCodePoint(GbkToUtf16(position));
    std::optional<char32_t> standard = gb18030.Decode(position);
    if (kept < 0xE000 || kept > 0xF8FF) failures.Add(Hex(position) + " is not private use: " + Name(kept));
    if (Utf16ToGbk(Utf16Of(kept)) != position) failures.Add(Name(kept) + " does not go back to " + Hex(position));
    if (!standard || (*standard >= 0xE000 && *standard <= 0xF8FF)) {
      failures.Add(Hex(position) + " holds no standard character in GB18030");
      continue;
    }
    if (*standard == 0x20AC) continue;
    // It takes its own four-byte code (supplementary planes), the one that
    // GB18030 gives the private-use character, or one glibc leaves unassigned.
    std::string ours = Utf16ToGbk(Utf16Of(*standard));
    std::optional<char32_t> gb18030_meaning = gb18030.Decode(ours);
    if (ours.size() != 4 || (gb18030_meaning && *gb18030_meaning != kept && *gb18030_meaning != *standard)) {
      failures.Add(Name(*standard) + " -> " + Hex(ours));
    }
  }
  EXPECT_EQ(positions, 106);
  EXPECT_TRUE(failures.None());
  EXPECT_EQ(Utf16ToGbk(u"\u1E3F"), "\x81\x35\xF4\x37") << "GB18030-2000's code for U+1E3F";
}

TEST(GbkCodecDecoding, single_bytes) {
  for (int byte = 0; byte < 0x80; ++byte) EXPECT_EQ(GbkToUtf16(std::string(1, char(byte))), std::u16string(1, char16_t(byte)));
  EXPECT_EQ(GbkToUtf16("\x80"), u"\u20AC");
  EXPECT_EQ(GbkToUtf16("\xFF"), u"\uFFFD");
}

TEST(GbkCodecDecoding, every_two_byte_position_is_a_cp936_character) {
  Iconv cp936("CP936");
  Iconv gb18030("GB18030");
  Failures failures;
  for (const std::string& position : TwoByteSequences()) {
    char32_t ours = SingleCodePoint(GbkToUtf16(position));
    std::optional<char32_t> expected = cp936.Decode(position);
    // cp936's user-defined areas are private-use characters, as in GB18030.
    if (!expected && !IsCp936PrivateUsePosition(position)) expected = gb18030.Decode(position);
    if (expected ? ours != *expected : ours == kReplacement) failures.Add(Hex(position) + " -> " + Name(ours));
  }
  EXPECT_TRUE(failures.None());
}

TEST(GbkCodecDecoding, every_four_byte_sequence_follows_gb18030) {
  Iconv gb18030("GB18030");
  Failures failures;
  std::string bytes;
  for (int b0 = 0x81; b0 <= 0xFE; ++b0) {
    for (int b1 = 0x30; b1 <= 0x39; ++b1) {
      for (int b2 = 0x81; b2 <= 0xFE; ++b2) {
        for (int b3 = 0x30; b3 <= 0x39; ++b3) {
          bytes = {char(b0), char(b1), char(b2), char(b3)};
          char32_t ours = SingleCodePoint(GbkToUtf16(bytes));
          std::optional<char32_t> expected = gb18030.Decode(bytes);
          if (expected ? ours == *expected : ours == kReplacement) continue;
          // A standard character displaced from a cp936 private-use position.
          std::optional<std::string> standard_position = gb18030.Encode(ours);
          if (standard_position && IsCp936PrivateUsePosition(*standard_position) && Utf16ToGbk(Utf16Of(ours)) == bytes) {
            continue;
          }
          failures.Add(Hex(bytes) + " -> " + Name(ours) + ", gb18030 " + (expected ? Name(*expected) : "none"));
        }
      }
    }
  }
  EXPECT_TRUE(failures.None());
}

}  // namespace
}  // namespace vorlix::platform
