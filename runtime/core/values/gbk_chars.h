#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorlix::core {

// Characters as code page 936 reads GBK bytes: a lead byte 0x81-0xFE
// followed by a second byte 0x40-0xFE (not 0x7F) is one character; every
// other byte stands alone. Bytes such as '\' and ']' may be second bytes,
// so they mean themselves only at character starts.
constexpr bool IsGbkLeadByte(std::uint8_t byte) { return byte >= 0x81 && byte <= 0xFE; }
constexpr bool IsGbkSecondByte(std::uint8_t byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

constexpr std::size_t GbkCharLengthAt(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && IsGbkLeadByte(static_cast<std::uint8_t>(text[pos])) &&
      IsGbkSecondByte(static_cast<std::uint8_t>(text[pos + 1]))) {
    return 2;
  }
  return 1;
}

}  // namespace vorlix::core
