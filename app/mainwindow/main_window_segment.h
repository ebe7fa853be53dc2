#pragma once

#include <cstdint>
#include <span>

namespace vorlix::app {

// The window template segment generated at build time from the main
// window's description (mainwindow/description); its handler offsets count
// into the handler table of kMainWindowHandlerNames.
std::span<const std::uint8_t> MainWindowSegment();

}  // namespace vorlix::app
