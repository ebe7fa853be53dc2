#pragma once

#include <cstdint>

#include "platform/native_window.h"

namespace vorlix::commands {

// Native window handles travel as 32-bit integers: handles fit in 32 bits,
// and a 64-bit system takes them back sign-extended.
inline std::int32_t IntegerOfNativeWindow(platform::WindowHandle window) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(window));
}
inline platform::WindowHandle NativeWindowOf(std::int32_t handle) {
  return static_cast<platform::WindowHandle>(static_cast<std::intptr_t>(handle));
}

}  // namespace vorlix::commands
