#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/names/name_text.h"

namespace vorlix::app {

// A text as the characters that edits count: each a code made of its bytes
// (a GBK double-byte character, or a UTF-8 sequence of up to four bytes, is
// one), with the byte where each starts.
struct CharacterCodes {
  std::vector<std::uint32_t> codes;
  std::vector<std::uint32_t> starts;  // one more than codes: the last is the text's size

  void Assign(std::string_view text, NameEncoding encoding);
  std::size_t size() const { return codes.size(); }
};

// How many edits a keyword of `characters` characters may be away: one up
// to eight characters, two beyond.
constexpr int EditsAllowed(std::size_t characters) { return characters <= 8 ? 1 : 2; }

// The form in which a name and a keyword count as equal: without spaces
// (the ideographic one too), "_", "-" and ".", full-width letters and
// digits read as ASCII ones (letters small). Appended to `normal` as bytes.
void AppendNormalised(std::span<const std::uint32_t> codes, std::string& normal);

// The optimal string alignment distance between a and b (inserts, removes,
// changes and swaps of neighbours, no character edited twice) when it is at
// most `bound`; bound + 1 otherwise.
int BoundedEdits(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b, int bound);

// The fewest such edits that turn `a` into some part of `b` (of any length,
// the empty part too) when at most `bound`; bound + 1 otherwise.
int BoundedEditsToPart(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b, int bound);

// The characters before the last single-byte "." of a name, as
// LoweredName::WithoutLastExtension cuts it; 0 when there is none or the
// only one comes first (then only the whole name is compared).
std::size_t StemCharacters(const CharacterCodes& name);

}  // namespace vorlix::app
