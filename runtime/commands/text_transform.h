#pragma once

#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// A copy with the ASCII capitals made small; double-byte characters, even
// when a byte of one looks like a capital, stay as they are.
core::Text ToLower(std::string_view text);

// A copy without ASCII spaces and without full-width spaces (0xA1 0xA1);
// tabs, line breaks and everything else are kept. A lead byte that ends the
// text, half a character, is dropped.
core::Text RemoveAllSpaces(std::string_view text);

}  // namespace vorlix::commands
