#pragma once

#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The full-width forms of the ASCII characters 0x21-0x7E (0xA3 0xA1 to 0xA3
// 0xFE) become those characters, the full-width space a space, the
// full-width tilde (0xA1 0xAB) a tilde and the two star signs (0xA1 0xEE,
// 0xA1 0xEF) an asterisk; every other character is kept.
core::Text FoldFullWidth(std::string_view text);

}  // namespace vorlix::commands
