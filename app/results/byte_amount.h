#pragma once

#include <cstdint>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// An amount of bytes as people read it: "812 B", "3.4 KB", "1.25 GB", with
// three figures at most after the first unit that fits (units of 1024).
core::Text ByteAmountText(std::uint64_t bytes);

}  // namespace vorlix::app
