#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The pieces between occurrences of `delimiter` (default ","), matched only
// at character starts. Empty pieces at the start and in the middle are kept;
// an empty remainder after the last delimiter is not a piece. At most
// `maximum` pieces (absent: no limit; 0 or negative: none), the rest of the
// text being dropped. An empty text gives no pieces; an empty delimiter one
// piece, the whole text.
std::vector<core::Text> SplitText(std::string_view text, std::optional<std::string_view> delimiter = {},
                                  std::optional<std::int32_t> maximum = {});

}  // namespace vorlix::commands
