#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// These count plain bytes and may cut a double-byte character in two.

std::int32_t TextLength(std::string_view text);

// The first `count` bytes; the whole text when it is shorter, empty when count <= 0.
core::Text TextLeft(std::string_view text, std::int32_t count);

// The last `count` bytes; the whole text when it is shorter, empty when count <= 0.
core::Text TextRight(std::string_view text, std::int32_t count);

// `count` ASCII spaces; empty when count < 1.
core::Text SpaceText(std::int32_t count);

}  // namespace vorlix::commands
