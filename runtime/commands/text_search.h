#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlix::commands {

// Both walk the text once by characters, in place: a match never starts on
// the second byte of a double-byte character. With ignore_case true, ASCII
// letters of single-byte characters match either case. The result is the
// 1-based byte position of the match, or -1. An empty sought text gives 1
// when the searched stretch holds any byte, else -1.

// The first match at or after byte position `start` (default 1).
std::int32_t FindText(std::string_view text, std::string_view sought, std::optional<std::int32_t> start = {},
                      std::optional<bool> ignore_case = {});

// The last match lying wholly within the first start - 1 bytes (default:
// the whole text).
std::int32_t FindTextReverse(std::string_view text, std::string_view sought, std::optional<std::int32_t> start = {},
                             std::optional<bool> ignore_case = {});

}  // namespace vorlix::commands
