#include "runtime/commands/settings_names.h"

#include <cstdint>

#include "runtime/core/gbk_chars.h"

namespace vorlix::commands::settings {
namespace {

// One character folded to its small form, packed as (lead << 8) | second
// for a double-byte character.
std::uint32_t FoldedChar(std::string_view text, std::size_t pos, std::size_t length) {
  auto first = static_cast<std::uint8_t>(text[pos]);
  if (length == 1) return (first >= 'A' && first <= 'Z') ? first + 0x20u : first;
  auto second = static_cast<std::uint8_t>(text[pos + 1]);
  std::uint32_t folded = (std::uint32_t{first} << 8) | second;
  if (first == 0xA3 && second >= 0xC1 && second <= 0xDA) return folded + 0x20;  // full-width A-Z
  if (first == 0xA6 && second >= 0xA1 && second <= 0xB8) return folded + 0x20;  // Greek
  if (first == 0xA7 && second >= 0xA1 && second <= 0xC1) return folded + 0x30;  // Cyrillic
  if (first == 0xA2 && second >= 0xF1 && second <= 0xFA) return folded - 0x50;  // Roman numerals
  return folded;
}

}  // namespace

bool IsBlank(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' '; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    std::size_t length_a = core::GbkCharLengthAt(a, i);
    std::size_t length_b = core::GbkCharLengthAt(b, j);
    if (FoldedChar(a, i, length_a) != FoldedChar(b, j, length_b)) return false;
    i += length_a;
    j += length_b;
  }
  return i == a.size() && j == b.size();
}

}  // namespace vorlix::commands::settings
