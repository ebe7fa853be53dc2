#pragma once

#include <cstdint>
#include <span>

namespace vorlix::app {

// The window template segment, generated at build time from the main
// window's description.
std::span<const std::uint8_t> MainWindowSegment();

}  // namespace vorlix::app
