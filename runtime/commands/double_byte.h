#pragma once

#include <cstddef>
#include <string_view>

namespace vorlix::commands {

// Walking GBK text by characters: a byte of 0x80 or above starts a
// double-byte character and the byte after it belongs to the same one.

constexpr bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// 2 at a lead byte, else 1. A lead byte that ends the text also gives 2, so
// a walk that steps by it leaves the text there.
constexpr std::size_t CharacterSize(std::string_view text, std::size_t at) { return IsLeadByte(text[at]) ? 2 : 1; }

constexpr char AsciiLower(char byte) { return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 0x20) : byte; }

}  // namespace vorlix::commands
