#pragma once

#include <array>
#include <string_view>

#include "runtime/core/values/identifiers.h"

namespace vorlix::tests {

// The start window of the lifecycle test program.
inline constexpr core::WindowId kLifecycleWindowId = 0x52010001;
inline constexpr std::string_view kLifecycleCaption = "Vorlix lifecycle";

// Its handler table, in table order.
inline constexpr std::array<std::string_view, 2> kLifecycleHandlerNames{"LifecycleBuilt", "LifecycleDestroyed"};

}  // namespace vorlix::tests
