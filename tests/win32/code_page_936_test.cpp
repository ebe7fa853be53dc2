// The codec's GBK part against the system's own code page 936.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/gbk_codec.h"

namespace vorlix::platform {
namespace {

std::string Hex(std::string_view bytes) {
  std::string out;
  for (unsigned char byte : bytes) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    out += digits;
  }
  return out;
}

// What code page 936 makes of the bytes, or U+FFFD where it finds no character.
std::u16string SystemDecode(const std::string& bytes) {
  wchar_t wide[4];
  int count = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), wide, 4);
  if (count <= 0) return u"\uFFFD";
  return std::u16string(wide, wide + count);
}

TEST(CodePage936, every_single_byte_and_two_byte_sequence_decodes_as_the_system_does) {
  int mismatches = 0;
  for (int byte = 0; byte <= 0xFF; ++byte) {
    if (byte >= 0x81 && byte <= 0xFE) continue;  // lead bytes
    std::string bytes(1, char(byte));
    EXPECT_TRUE(GbkToUtf16(bytes) == SystemDecode(bytes)) << Hex(bytes);
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      std::string bytes = {char(lead), char(trail)};
      if (GbkToUtf16(bytes) != SystemDecode(bytes) && ++mismatches <= 10) ADD_FAILURE() << Hex(bytes);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(CodePage936, every_character_the_system_encodes_exactly_encodes_the_same) {
  int mismatches = 0;
  for (int unit = 0x80; unit <= 0xFFFF; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;
    wchar_t wide = wchar_t(unit);
    char bytes[4];
    BOOL best_fit = FALSE;
    int count = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 4, nullptr, &best_fit);
    // U+F8F5 -> 0xFF is a one-way mapping of Windows' table: 0xFF decodes to
    // no character, so the codec gives U+F8F5 a four-byte sequence instead.
    if (count <= 0 || best_fit || unit == 0xF8F5) continue;
    std::u16string utf16(1, char16_t(unit));
    if (Utf16ToGbk(utf16) != std::string(bytes, count) && ++mismatches <= 10) ADD_FAILURE() << std::hex << unit;
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(Utf16ToGbk(u"\uF8F5").size(), 4u);
}

}  // namespace
}  // namespace vorlix::platform
