#pragma once

#include <cstdint>
#include <optional>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// Adds a tool for the window (a native window handle) to the program's one
// tooltip window, so the tip shows while the mouse rests on it. The first
// call makes the tooltip window, as a balloon when asked; centred puts the
// tip below the middle of the tool. Gives the previous maximum tip width
// (-1 after the first call); a window handle of 0 does nothing and gives 0.
std::int32_t AddToolTip(std::int32_t window_handle, const core::Text& tip, std::optional<bool> balloon = std::nullopt,
                        std::optional<bool> centred = std::nullopt);

}  // namespace vorlix::commands
