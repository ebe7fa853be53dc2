#pragma once

#include <cstdint>

namespace vorlix::commands {

// Milliseconds since the system started, straight from the platform's 32-bit
// tick counter: it turns negative after about 24.9 days and wraps after 49.7.
std::int32_t GetUptime();

}  // namespace vorlix::commands
