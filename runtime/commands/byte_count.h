#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

namespace vorlix::commands {

// Counts and positions are integers; a size beyond their range (over 2 GB)
// reads as the largest one instead of turning negative.
constexpr std::int32_t ByteCount(std::size_t size) {
  constexpr auto kLargest = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(size < kLargest ? size : kLargest);
}

}  // namespace vorlix::commands
