#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vorlix::commands {

// A byte set: bytes without terminator; an empty one holds nothing.
using ByteSet = std::vector<std::uint8_t>;
using ByteSetView = std::span<const std::uint8_t>;

}  // namespace vorlix::commands
