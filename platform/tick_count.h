#pragma once

#include <cstdint>

namespace vorlix::platform {

// Milliseconds since the system started, as a 32-bit counter that wraps
// after about 49.7 days.
std::uint32_t TickCount();

}  // namespace vorlix::platform
