#include "runtime/commands/fullwidth_folding.h"

#include <optional>

#include "runtime/commands/double_byte.h"

namespace vorlix::commands {
namespace {

std::optional<char> AsciiForm(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail & 0x7F);
  if (lead != 0xA1) return std::nullopt;
  switch (trail) {
    case 0xA1: return ' ';
    case 0xAB: return '~';
    case 0xEE:
    case 0xEF: return '*';
    default: return std::nullopt;
  }
}

}  // namespace

core::Text FoldFullWidth(std::string_view text) {
  core::Text folded;
  folded.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); at += CharacterSize(text, at)) {
    const std::string_view character = text.substr(at, CharacterSize(text, at));
    std::optional<char> ascii;
    if (character.size() == 2) {
      ascii = AsciiForm(static_cast<unsigned char>(character[0]), static_cast<unsigned char>(character[1]));
    }
    if (ascii) {
      folded += *ascii;
    } else {
      folded.append(character);
    }
  }
  return folded;
}

}  // namespace vorlix::commands
