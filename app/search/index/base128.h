#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix::app {

// Unsigned numbers as the folder index stores them: seven bits a byte,
// least significant first, the top bit set on every byte but the last.
void AppendBase128(std::string& out, std::uint64_t value);

// Reads a number at `at` and moves past it; false when it runs past the end
// or is longer than a 64-bit number takes.
bool ReadBase128(std::string_view in, std::size_t& at, std::uint64_t& value);

}  // namespace vorlix::app
