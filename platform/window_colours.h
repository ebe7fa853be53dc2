#pragma once

#include <cstdint>

#include "platform/native_window.h"

namespace vorlix::platform {

// A colour is 0x00BBGGRR; this one stands for the system's colour of the
// element.
constexpr std::uint32_t kSystemColour = 0xFF000000;

// The colours a unit's text and background are painted in. The runtime's
// containers answer their children's colour requests with them; a child
// without colours of its own takes its container's background.
void SetWindowColours(WindowHandle window, std::uint32_t text, std::uint32_t background);
std::uint32_t WindowTextColour(WindowHandle window);
std::uint32_t WindowBackgroundColour(WindowHandle window);

}  // namespace vorlix::platform
