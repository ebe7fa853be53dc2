#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlix::platform {

// UTF-8, portable. A byte that starts no well-formed sequence (overlong
// forms and encoded surrogates included) becomes U+FFFD.
std::u16string Utf8ToUtf16(std::span<const std::uint8_t> utf8);

// An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// How many bytes at the start form well-formed sequences: the size of the
// text when all of it does.
std::size_t WellFormedUtf8Prefix(std::span<const std::uint8_t> utf8);

}  // namespace vorlix::platform
