#include "runtime/commands/settings_names.h"

#include <cstdint>

#include "runtime/core/values/gbk_chars.h"

namespace vorlix::commands::settings {
namespace {

// One character with ASCII letters folded to small, packed as
// (lead << 8) | second for a double-byte character, which never folds.
std::uint32_t FoldedChar(std::string_view text, std::size_t pos, std::size_t length) {
  auto first = static_cast<std::uint8_t>(text[pos]);
  if (length == 2) return (std::uint32_t{first} << 8) | static_cast<std::uint8_t>(text[pos + 1]);
  return (first >= 'A' && first <= 'Z') ? first + 0x20u : first;
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
