#include "runtime/commands/text_split.h"

#include <limits>

#include "runtime/commands/double_byte.h"

namespace vorlix::commands {

std::vector<core::Text> SplitText(std::string_view text, std::optional<std::string_view> delimiter,
                                  std::optional<std::int32_t> maximum) {
  const std::int32_t limit = maximum.value_or(std::numeric_limits<std::int32_t>::max());
  if (text.empty() || limit <= 0) return {};
  const std::string_view separator = delimiter.value_or(",");
  if (separator.empty()) return {core::Text(text)};

  std::vector<core::Text> pieces;
  std::size_t piece_start = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.substr(at, separator.size()) == separator) {
      pieces.emplace_back(text.substr(piece_start, at - piece_start));
      if (pieces.size() == static_cast<std::size_t>(limit)) return pieces;
      at += separator.size();
      piece_start = at;
    } else {
      at += CharacterSize(text, at);
    }
  }
  if (piece_start < text.size()) pieces.emplace_back(text.substr(piece_start));
  return pieces;
}

}  // namespace vorlix::commands
