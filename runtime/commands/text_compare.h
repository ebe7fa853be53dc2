#pragma once

#include <cstdint>
#include <string_view>

namespace vorlix::commands {

// Negative, 0 or positive as `a` sorts before, equal to or after `b`, by
// unsigned byte values (so a double-byte character by its code). Without
// case_sensitive, ASCII letters of single-byte characters compare as their
// small forms, so "_" sorts before the letters as it does with ToLower.
std::int32_t CompareText(std::string_view a, std::string_view b, bool case_sensitive);

}  // namespace vorlix::commands
