#include "runtime/commands/text_search.h"

#include <algorithm>

#include "runtime/commands/byte_count.h"
#include "runtime/commands/double_byte.h"

namespace vorlix::commands {
namespace {

enum class Direction { kForward, kBackward };

// `candidate` and `sought` have the same length and `candidate` starts on a
// character. Case is ignored only for single-byte characters: a trail byte
// that happens to be an ASCII letter must match exactly, or one Chinese
// character would match another.
bool Matches(std::string_view candidate, std::string_view sought, bool ignore_case) {
  if (!ignore_case) return candidate == sought;
  for (std::size_t i = 0; i < candidate.size(); i += CharacterSize(candidate, i)) {
    if (IsLeadByte(candidate[i])) {
      if (candidate.substr(i, 2) != sought.substr(i, 2)) return false;
    } else if (AsciiLower(candidate[i]) != AsciiLower(sought[i])) {
      return false;
    }
  }
  return true;
}

std::int32_t Find(std::string_view text, std::string_view sought, std::optional<std::int32_t> start,
                  std::optional<bool> ignore_case, Direction direction) {
  // The searched stretch is [first, end): forward skips the first start - 1
  // bytes, backward keeps only them.
  std::size_t first = 0;
  std::size_t end = text.size();
  if (start) {
    const std::size_t before_start = *start <= 1 ? 0 : std::min(text.size(), static_cast<std::size_t>(*start) - 1);
    (direction == Direction::kForward ? first : end) = before_start;
  }
  if (sought.empty()) return first < end ? 1 : -1;

  const bool fold = ignore_case.value_or(false);
  std::int32_t found = -1;
  for (std::size_t at = first; at + sought.size() <= end; at += CharacterSize(text, at)) {
    if (Matches(text.substr(at, sought.size()), sought, fold)) {
      found = ByteCount(at + 1);
      if (direction == Direction::kForward) break;
    }
  }
  return found;
}

}  // namespace

std::int32_t FindText(std::string_view text, std::string_view sought, std::optional<std::int32_t> start,
                      std::optional<bool> ignore_case) {
  return Find(text, sought, start, ignore_case, Direction::kForward);
}

std::int32_t FindTextReverse(std::string_view text, std::string_view sought, std::optional<std::int32_t> start,
                             std::optional<bool> ignore_case) {
  return Find(text, sought, start, ignore_case, Direction::kBackward);
}

}  // namespace vorlix::commands
