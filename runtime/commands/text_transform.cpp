#include "runtime/commands/text_transform.h"

#include "runtime/commands/double_byte.h"

namespace vorlix::commands {
namespace {

constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

}  // namespace

core::Text ToLower(std::string_view text) {
  core::Text lower(text);
  for (std::size_t at = 0; at < lower.size(); at += CharacterSize(lower, at)) {
    lower[at] = AsciiLower(lower[at]);
  }
  return lower;
}

core::Text RemoveAllSpaces(std::string_view text) {
  core::Text kept;
  kept.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); at += CharacterSize(text, at)) {
    const std::string_view character = text.substr(at, CharacterSize(text, at));
    if (character == " " || character == kFullWidthSpace) continue;
    if (character.size() == 2 || !IsLeadByte(character[0])) kept.append(character);
  }
  return kept;
}

}  // namespace vorlix::commands
